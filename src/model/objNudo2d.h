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

    int getNoNudo() const;
    int getNoNudoUsuario() const;
    double getX() const;
    double getY() const;
    Eigen::Vector3i getApoyo() const;
    double getResorteX() const;
    double getResorteY() const;
    double getResorteGiro() const;
    Eigen::Vector3i getGdl();
    Eigen::MatrixXd getCargasGlobales() const;
    double getPxCombo(int c) const;
    double getPyCombo(int c) const;
    double getMzCombo(int c) const;
    std::string getNombreCombo(int i) const;
    int getCantidadDeCombos() const;
    int getNumeroDeCombo(std::string nombre) const;
    double getDesplazamientoX(int c) const;
    double getDesplazamientoY(int c) const;
    double getGiroZ(int c) const;
    double getReaccionX(int c) const;
    double getReaccionY(int c) const;
    double getReaccionM(int c) const;

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
