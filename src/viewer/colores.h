// The viewer's colours, one per thing drawn, as glColor3f takes them. The
// pixel tests look for these colours and the end-to-end scripts read this
// file for theirs, so each colour stays on one line of the form
// "const ColorRGB name = {r, g, b};".
#ifndef TRELVIK2D_COLORES_H
#define TRELVIK2D_COLORES_H

class ColorRGB {
public:
    float r;
    float g;
    float b;
};

// Text panel.
const ColorRGB colorPanel = {0.0f, 1.0f, 0.0f};
const ColorRGB colorComboActivo = {0.0f, 1.0f, 0.2f};
const ColorRGB colorComboInactivo = {0.0f, 0.3f, 0.05f};

// Model layers; supports and linear springs share theirs.
const ColorRGB colorNudo = {0.7f, 0.0f, 0.0f};
const ColorRGB colorTagNudo = {0.9f, 0.2f, 0.2f};
const ColorRGB colorBarra = {0.5f, 0.5f, 0.5f};
const ColorRGB colorArticulacion = {0.1f, 0.7f, 0.1f};
const ColorRGB colorTextoBarra = {0.8f, 0.8f, 0.8f};
const ColorRGB colorApoyo = {0.8f, 0.8f, 0.3f};
const ColorRGB colorResorteGiro = {0.8f, 0.2f, 0.2f};

// Result layers: each diagram's outline, hatching and end labels.
const ColorRGB colorDeformada = {0.0f, 0.7f, 0.7f};
const ColorRGB colorTextoDeformada = {0.7f, 0.7f, 0.7f};
const ColorRGB colorContornoAxial = {0.0f, 0.2f, 0.7f};
const ColorRGB colorEtiquetaAxial = {0.4f, 0.4f, 0.9f};
const ColorRGB colorContornoCortante = {0.5f, 0.5f, 0.0f};
const ColorRGB colorRayadoCortante = {0.4f, 0.4f, 0.0f};
const ColorRGB colorContornoMomento = {0.7f, 0.2f, 0.0f};
const ColorRGB colorRayadoMomento = {0.5f, 0.1f, 0.0f};

// Loads and reactions.
const ColorRGB colorCargaNudo = {0.8f, 0.2f, 0.2f};
const ColorRGB colorCargaTransversal = {0.0f, 0.3f, 0.0f};
const ColorRGB colorRotuloCargaTransversal = {0.3f, 0.7f, 0.3f};
const ColorRGB colorCargaAxial = {0.0f, 0.4f, 0.5f};
const ColorRGB colorRotuloCargaAxial = {0.3f, 0.7f, 0.7f};
const ColorRGB colorReaccion = {1.0f, 0.0f, 0.0f};

#endif
