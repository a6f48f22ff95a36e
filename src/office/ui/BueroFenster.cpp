// The clubs, show dates and pharmacy windows and their registration with the main window.
#include "BueroFenster.h"

#include "app/Weblinks.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "store/Database.h"
#include "store/Table.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace tav::app::ui;

namespace tav::office::ui {

namespace {
constexpr int TagEmailSchreiben = 6613, MeldungVerweis = 9552;

void verweisOeffnen(const QUrl &url, const QString &text)
{
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        showMessage(MeldungVerweis, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + text);
}
} // namespace

TFormVereine::TFormVereine(tav::store::Database *db, QWidget *parent)
    : TBueroliste(vereinsliste(), db, parent)
{
    aufbauen();
    connect(dataSource(), &DataSource::recordChanged, this, &TFormVereine::homepageZeigen);
    connect(dataSource(), &DataSource::fieldChanged, this, [this](const QString &feld) {
        if (feld.compare(QLatin1String("Homepage"), Qt::CaseInsensitive) == 0)
            homepageZeigen();
    });
    homepageZeigen();
}

void TFormVereine::feldSeiteErgaenzen(QGridLayout *g, int &zeile)
{
    auto *reihe = new QHBoxLayout;
    m_homepage = new QLabel(QStringLiteral(" "), this);
    m_homepage->setObjectName(QStringLiteral("LabelHomepage"));
    m_homepage->setProperty("dataText", true);
    m_homepage->setTextFormat(Qt::RichText);
    m_homepage->setCursor(Qt::PointingHandCursor);
    connect(m_homepage, &QLabel::linkActivated, this, &TFormVereine::homepageOeffnen);
    reihe->addWidget(m_homepage, 1);
    auto *mail = new QPushButton(QStringLiteral("E-Mail schreiben"), this);
    mail->setObjectName(QStringLiteral("EmailSchreiben"));
    mail->setProperty("tag", TagEmailSchreiben);
    connect(mail, &QPushButton::clicked, this, &TFormVereine::emailSchreiben);
    reihe->addWidget(mail);
    g->addLayout(reihe, zeile++, 1);
}

void TFormVereine::homepageZeigen()
{
    const tav::store::Table *t = table();
    const QString text = t->isOpen() && (t->hasRecord() || t->isEditing())
                             ? t->text(QStringLiteral("Homepage")).trimmed()
                             : QString();
    if (text.isEmpty())
        m_homepage->setText(QStringLiteral(" "));
    else
        m_homepage->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
}

void TFormVereine::homepageOeffnen()
{
    const QString text = table()->isOpen() ? table()->text(QStringLiteral("Homepage")).trimmed() : QString();
    if (!text.isEmpty())
        verweisOeffnen(app::webLink(text), text);
}

void TFormVereine::emailSchreiben()
{
    const QString text = table()->isOpen() ? table()->text(QStringLiteral("EMail")).trimmed() : QString();
    if (!text.isEmpty())
        verweisOeffnen(app::mailLink({text}), text);
}

TFormAusstellungstermine::TFormAusstellungstermine(tav::store::Database *db, QWidget *parent)
    : TBueroliste(ausstellungsliste(), db, parent)
{
    aufbauen();
    if (table()->isOpen()) {
        try {
            ersteKommendeAusstellung(*table(), QDate::currentDate());
        } catch (const std::exception &e) {
            dataSource()->reportError(e);
        }
    }
}

TFormApotheke::TFormApotheke(tav::store::Database *db, QWidget *parent)
    : TBueroliste(apothekenliste(), db, parent)
{
    aufbauen();
}

namespace {
template <class Fenster> void eintragen(const Bueroliste &liste)
{
    TMirravel::registerWindow(liste.fenster, [name = liste.fenster](TMirravel &mw) -> QWidget * {
        if (ChildWindow *offen = ChildWindow::find(name))
            return offen;
        auto *w = new Fenster(tav::store::defaultDatabase());
        mw.addChild(w);
        w->show();
        return w;
    });
}
} // namespace

void registerBuero()
{
    eintragen<TFormVereine>(vereinsliste());
    eintragen<TFormAusstellungstermine>(ausstellungsliste());
    eintragen<TFormApotheke>(apothekenliste());
}

} // namespace tav::office::ui
