// One node of the plane frame: what the input says of it, its loads per
// combination and the results the analysis hands back.
#ifndef TRELVIK2D_OBJNUDO2D_H
#define TRELVIK2D_OBJNUDO2D_H

#include <string>
#include <vector>

#include <Eigen/Dense>

class objNudo2d {
public:
    void setNumeroDeNudo(int numero);
    void setNumeroNudoUsuario(int numero);
    void setCoordenadas(double xNudo, double yNudo);
    void setApoyo(int apoyoX, int apoyoY, int apoyoGiro);
    void setResorte(double resorteX, double resorteY, double resorteGiro);
    void setCargaPuntual(std::string caso, double Px, double Py, double Mz);
    void setCombo(std::string nombreCombo, double factor, std::string caso);
    void setDesplazamientos(Eigen::MatrixXd D);
    void setReacciones(Eigen::MatrixXd R);

    int getNoNudo();
    int getNoNudoUsuario();
    double getX();
    double getY();
    Eigen::Vector3i getApoyo();
    double getResorteX();
    double getResorteY();
    double getResorteGiro();
    Eigen::Vector3i getGdl();
    Eigen::MatrixXd getCargasGlobales();
    double getPxCombo(int c);
    double getPyCombo(int c);
    double getMzCombo(int c);
    std::string getNombreCombo(int i);
    int getCantidadDeCombos();
    int getNumeroDeCombo(std::string nombre);
    double getDesplazamientoX(int c);
    double getDesplazamientoY(int c);
    double getGiroZ(int c);
    double getReaccionX(int c);
    double getReaccionY(int c);
    double getReaccionM(int c);

private:
    int numeroDeNudo = 0;
    int noNudoUsuario = 0;
    double x = 0.0;
    double y = 0.0;
    std::vector<std::string> casosCargaPuntual;
    Eigen::MatrixXd cargasPuntuales;
    Eigen::Vector3i apoyo = Eigen::Vector3i::Zero();
    Eigen::Vector3i gdl = Eigen::Vector3i::Zero();
    Eigen::Vector3d resorte = Eigen::Vector3d::Zero();
    std::vector<std::string> nombresCombos;
    Eigen::MatrixXd cargasGlobales;
    Eigen::MatrixXd desplazamientosNudo;
    Eigen::MatrixXd reaccionesNudo;
};

#endif
