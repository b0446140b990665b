#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

// The face and direction selectors of the side column ("Frame2"): "Lato +" /
// "Lato -" (Option1), "Direzione 1" / "Direzione 2" (Option2), and the label
// " Armatura a maglia unica centrale" (Label3) that takes the face buttons'
// place for a single-mesh wall. A click reaches ClicLato / ClicDirezione
// once, with the button's index (QButtonGroup::idClicked); selecting a button
// from the program sends nothing.
class SelettoriVista : public QWidget {
    Q_OBJECT
public:
    std::function<void(int indice)> ClicLato;
    std::function<void(int indice)> ClicDirezione;

    explicit SelettoriVista(QWidget* parent = nullptr);

    void SelezionaLato(int indice);
    void SelezionaDirezione(int indice);
    void MostraPulsantiLato(bool visibili);
    void MostraEtichettaMagliaUnica(bool visibile);

    QAbstractButton* Option1(int indice) const;
    QAbstractButton* Option2(int indice) const;
    QLabel* Label3() const { return label3_; }

private:
    QButtonGroup* lati_;
    QButtonGroup* direzioni_;
    QLabel* label3_;
};

// The colour-scale range panel inside the legend box ("Frame1"): "Max."
// Text1(0), "Min." Text1(1), "Default" Command1(0) and "Range" Command1(1).
// Hidden until the redraw shows it for the maps with a range. A click
// reaches ClicComando with the button's index.
class PannelloScala : public QWidget {
    Q_OBJECT
public:
    std::function<void(int indice)> ClicComando;

    explicit PannelloScala(QWidget* parent = nullptr);

    QLineEdit* Text1(int indice) const { return text1_[indice]; }
    QPushButton* Command1(int indice) const { return command1_[indice]; }

private:
    std::array<QLineEdit*, 2> text1_{};
    std::array<QPushButton*, 2> command1_{};
};
