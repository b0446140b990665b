#include "ui/EventiTelaQt.h"

#include "interaction/StatoMacchina.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

EventiTelaQt::EventiTelaQt(QWidget& tela, MacchinaTela& macchina, QObject* parent)
    : QObject(parent), macchina_(macchina) {
    tela.setMouseTracking(true);
    tela.installEventFilter(this);
}

bool EventiTelaQt::eventFilter(QObject* oggetto, QEvent* evento) {
    switch (evento->type()) {
        case QEvent::MouseButtonPress: {
            const auto* e = static_cast<QMouseEvent*>(evento);
            const QPointF p = e->position();
            macchina_.Picture1_MouseDown(static_cast<int>(e->button()), static_cast<float>(p.x()),
                                         static_cast<float>(p.y()));
            return true;
        }
        case QEvent::MouseMove: {
            const auto* e = static_cast<QMouseEvent*>(evento);
            const QPointF p = e->position();
            macchina_.Picture1_MouseMove(static_cast<int>(e->buttons().toInt()),
                                         static_cast<float>(p.x()), static_cast<float>(p.y()));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* e = static_cast<QMouseEvent*>(evento);
            const QPointF p = e->position();
            macchina_.Picture1_MouseUp(static_cast<int>(e->button()), static_cast<float>(p.x()),
                                       static_cast<float>(p.y()));
            return true;
        }
        case QEvent::MouseButtonDblClick:
            macchina_.Picture1_DblClick();
            return true;
        case QEvent::Wheel: {
            const auto* e = static_cast<QWheelEvent*>(evento);
            macchina_.Rotella(e->angleDelta().y());
            return true;
        }
        default: return QObject::eventFilter(oggetto, evento);
    }
}
