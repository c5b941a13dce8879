// One straight member of the plane frame: its data, the values derived from
// them (kept behind flags), its loads per combination and its results.
#ifndef TRELVIK2D_OBJBARRA2D_H
#define TRELVIK2D_OBJBARRA2D_H

#include <string>
#include <vector>

#include <Eigen/Dense>

class objBarra2d {
public:
    // Data, geometry and stiffness (objBarra2d.cpp).
    void resetFlags();
    void setNumeroDeBarra(int numero);
    void setNumeroBarraUsuario(int numero);
    void setNudoInicio(int nudo, double x, double y);
    void setNudoFinal(int nudo, double x, double y);
    void setNudoInicioUsuario(int numero);
    void setNudoFinalUsuario(int numero);
    void setArticulacion(int inicio, int fin);
    void setNombreDeSeccion(std::string nombre);
    void setSeccionRectangular(double b, double h);
    void setSeccionGenerica(double A, double I);
    void setModuloE(double E);
    void setPesoEspecifico(double peso);

    int getNoBarraUsuario();
    // True once both end nodes were given: a member read with an end that no
    // row of the node table bears has no place to stand.
    bool getNudosDefinidos() const;
    int getNudoInicioUsuario();
    int getNudoFinalUsuario();
    int getArticulacionInicio();
    int getArticulacionFin();
    double getXi();
    double getYi();
    double getXf();
    double getYf();
    double getArea();
    double getInercia();
    double getModE();

    // Prints "Definir el nombre de sección" and returns an empty name for a
    // member that no section names.
    std::string getNombreDeSeccion();
    // True once a section named the member; asking prints nothing.
    bool getNombreDeSeccionDefinido() const;
    double getLongitud();
    double getAngulo();
    Eigen::MatrixXd getT();
    Eigen::MatrixXd getKLocal();
    Eigen::MatrixXd getKGlobal();
    Eigen::VectorXi getGdl();

    // Loads, combinations and equivalent nodal loads (objBarra2dCargas.cpp).
    void setCargaLocal(std::string caso, double fInicio, double fFin, double qInicio, double qFin);
    void setCargaGlobal(std::string caso, double w1, double w2, double dx, double dy);
    void setPesoPropio(std::string caso);
    void setCombo(std::string nombreCombo, double factor, std::string caso);
    double getFInicioCombo(int c);
    double getFFinCombo(int c);
    double getQInicioCombo(int c);
    double getQFinCombo(int c);
    Eigen::MatrixXd getMatrizCargasCombo();
    Eigen::MatrixXd getCargasEquivalentesLocales();
    Eigen::MatrixXd getCargasEquivalentesGlobales();

    // End displacements, elastic curve and internal forces
    // (objBarra2dResultados.cpp).
    void setDesplazamientos(Eigen::MatrixXd U);
    Eigen::MatrixXd getDesplazamientosGlobales();
    Eigen::MatrixXd getDesplazamientosLocales();
    Eigen::MatrixXd getConstantesIntegracion();
    Eigen::MatrixXd getSolicitacionAxial(int c, int n);
    Eigen::MatrixXd getSolicitacionCortante(int c, int n);
    Eigen::MatrixXd getSolicitacionMomento(int c, int n);
    double getXvcero(int c);
    double getMmax(int c);
    Eigen::MatrixXd getBarraDeformada(int c, int n, double s);

private:
    bool articulacionValida() const;
    static Eigen::MatrixXd seisPorSeis(const Eigen::MatrixXd& m);
    bool curvaDefinida() const;
    Eigen::VectorXd constantesDeCombo(int c) const;

    // Slots of flagsBarra, each 1 once set: what the member was given, then
    // which derived values it keeps. Only resetFlags clears them.
    static constexpr int flagNumeroDeBarra = 0;
    static constexpr int flagNudoInicio = 1;
    static constexpr int flagNudoFinal = 2;
    static constexpr int flagNombreDeSeccion = 3;
    static constexpr int flagAreaInercia = 4;
    static constexpr int flagModuloE = 5;
    static constexpr int flagLongitud = 6;
    static constexpr int flagAngulo = 7;
    static constexpr int flagGdl = 8;
    static constexpr int flagT = 9;
    static constexpr int flagKLocal = 10;
    static constexpr int flagCargasEquivalentesLocales = 11;
    static constexpr int flagCargasEquivalentesGlobales = 12;
    static constexpr int noFlagsBarra = 20;

    int flagsBarra[noFlagsBarra] = {};
    int numeroDeBarra = 0;
    int noBarraUsuario = 0;
    int nudoInicio = 0;
    int nudoFinal = 0;
    int articulacionInicio = 0;
    int articulacionFin = 0;
    int nudoInicioUsuario = 0;
    int nudoFinalUsuario = 0;
    double xi = 0.0;
    double yi = 0.0;
    double xf = 0.0;
    double yf = 0.0;
    std::string nombreDeSeccion;
    double area = 0.0;
    double inercia = 0.0;
    double moduloE = 0.0;
    double pesoEspecifico = 0.0;
    double xvcero = -1.0;
    std::vector<std::string> casosCargaLocal;
    Eigen::MatrixXd cargasDistribuidasLocales;
    std::vector<std::string> casosCargaGlobal;
    Eigen::MatrixXd cargasDistribuidasGlobales;
    std::vector<std::string> nombresCombos;
    Eigen::MatrixXd matrizCargasCombo;
    Eigen::MatrixXd cargasEquivalentesLocales;
    Eigen::MatrixXd cargasEquivalentesGlobales;
    Eigen::MatrixXd desplazamientosGlobales;
    Eigen::MatrixXd desplazamientosLocales;
    Eigen::MatrixXd constantesIntegracion;
    double longitud = 0.0;
    double angulo = 0.0;
    // Direction cosines of the member axis, formed with the angle (slot 7):
    // what T, the loads given in global axes and the deflected shape use.
    double cosenoDirector = 1.0;
    double senoDirector = 0.0;
    Eigen::VectorXi gdl;
    Eigen::MatrixXd T;
    Eigen::MatrixXd kLocal;
    Eigen::MatrixXd kGlobal;
};

#endif
