// The last line against exceptions: one that leaves an event handler or a
// slot, which would end a Qt program, is told through the main window and
// the program goes on.

#include "FinestraDiProva.h"

#include "ui/ApplicazioneKorvane.h"

#include <QTimer>
#include <boost/numeric/conversion/converter_policies.hpp>

#include <new>
#include <stdexcept>

namespace {

// An object whose every event meets a fault.
class OggettoGuasto : public QObject {
public:
    bool event(QEvent*) override { throw std::bad_alloc(); }
};

class UltimaLinea : public FinestraDiProva {
protected:
    void SetUp() override { Avvia(false); }

    int ErroriVisti() const {
        return static_cast<int>(std::count_if(copione.Visti.begin(), copione.Visti.end(),
                                              [](const DialogoVisto& d) { return d.Titolo == "Errore!"; }));
    }
};

TEST_F(UltimaLinea, TheApplicationIsTheProgramsOwnAndTellsThroughTheMainWindow) {
    ASSERT_NE(ApplicazioneKorvane::Corrente(), nullptr);
    EXPECT_EQ(ApplicazioneKorvane::Corrente()->Finestra(), static_cast<InterfacciaFinestra*>(finestra.get()));
}

TEST_F(UltimaLinea, AnExceptionLeavingAnEventHandlerOrASlotIsToldAndTheProgramGoesOn) {
    struct Caso {
        const char* nome;
        std::function<void()> evento;
        const char* motivo;
    };
    OggettoGuasto guasto;
    const Caso casi[] = {
        {.nome = "an event handler",
         .evento = [&] {
             QEvent evento(QEvent::User);
             EXPECT_FALSE(QCoreApplication::sendEvent(&guasto, &evento));
         },
         .motivo = "Memoria insufficiente."},
        {.nome = "a slot of a timer",
         .evento = [] {
             QTimer::singleShot(0, [] { throw boost::numeric::positive_overflow(); });
             QCoreApplication::processEvents();
         },
         .motivo = "bad numeric conversion: positive overflow"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        copione.Visti.clear();
        EXPECT_NO_THROW(c.evento());
        ASSERT_EQ(ErroriVisti(), 1);
        const std::string& testo = copione.Visti.back().Testo;
        EXPECT_TRUE(testo.starts_with("Errore imprevisto.\n")) << testo;
        EXPECT_NE(testo.find(c.motivo), std::string::npos) << testo;
        EXPECT_TRUE(testo.ends_with("\nOperazione annullata.")) << testo;
    }
    // The window still works.
    Comando(finestra->Comandi()->Ids().IdVistaTotale);
    EXPECT_TRUE(finestra->isVisible());
}

TEST_F(UltimaLinea, AFaultWhileAFaultIsBeingToldIsNotToldAgain) {
    int dialoghi = 0;
    finestra->Dialoghi().ImpostaCopione([&](QDialog&) -> int {
        ++dialoghi;
        throw std::runtime_error("the message box fails too");
    });
    OggettoGuasto guasto;
    QEvent evento(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&guasto, &evento));
    EXPECT_EQ(dialoghi, 1);
}

TEST_F(UltimaLinea, WithoutTheMainWindowTheStandardErrorTells) {
    finestra.reset();
    EXPECT_EQ(ApplicazioneKorvane::Corrente()->Finestra(), nullptr);
    OggettoGuasto guasto;
    QEvent evento(QEvent::User);
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&guasto, &evento));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Memoria insufficiente."), std::string::npos);
}

}  // namespace
