#include "AnwDaten.h"

#include "Auswahlboxen.h"
#include "OptionenTeile.h"
#include "app/Systemi.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/TableDef.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QSize>
#include <QVBoxLayout>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {
constexpr int HilfeKontextAnwenderdaten = 80;
constexpr int MeldungNichtGeschrieben = 8201;

QPointer<TAnwenderdaten> &current()
{
    static QPointer<TAnwenderdaten> w;
    return w;
}

struct Zeile {
    const char *feld; // of EIGEN.DB or ZUSATZ.DB
    int tag;
    const char *text;
};
} // namespace

TAnwenderdaten::TAnwenderdaten(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("Anwenderdaten"), parent), m_db(db)
{
    current() = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", 6000);
    setWindowTitle(QStringLiteral("Anwenderdaten"));
    setHelpContext(HilfeKontextAnwenderdaten);

    // a field as wide as the table keeps it
    const auto neuesFeld = [this](QWidget *parent, const QString &name, const store::TableDef *def) {
        auto *e = new QLineEdit(parent);
        e->setObjectName(QStringLiteral("DBEdit") + name);
        if (const store::FieldDef *f = def ? def->field(name) : nullptr)
            e->setMaxLength(f->size);
        m_felder.insert(name, e);
        return e;
    };
    const auto zeilen = [&](QWidget *box, const QString &tabelle, std::initializer_list<Zeile> liste) {
        auto *grid = new QGridLayout(box);
        const store::TableDef *def = store::findTableDef(tabelle);
        int r = 0;
        for (const Zeile &z : liste) {
            const QString name = QLatin1String(z.feld);
            QLabel *l = label(box, z.tag, QString::fromUtf8(z.text));
            QLineEdit *e = neuesFeld(box, name, def);
            l->setBuddy(e);
            m_beschriftung.insert(name, l);
            grid->addWidget(l, r, 0);
            grid->addWidget(e, r, 1, 1, 2);
            ++r;
        }
        grid->setColumnStretch(2, 1);
        return grid;
    };

    auto *adresse = tagged(new QGroupBox(QStringLiteral("Eigene Adresse"), this), 6001);
    QGridLayout *a = zeilen(adresse, QStringLiteral("EIGEN.DB"),
                            {{"Name", 6002, "Name"},
                             {"Vorname", 6003, "Vorname"},
                             {"Strasse", 6004, "&Straße"},
                             {"Ort", 6006, "&Ort"},
                             {"land", 6011, "&Land"},
                             {"Telefon", 6007, "&Telefon"},
                             {"Telefax", 6008, "T&elefax"},
                             {"EMail", 6010, "e-m&ail"},
                             {"Zwinger", 6009, "&Zwinger"},
                             {"Update", 6012, "Kunden-Nr."}});
    // the postcode stands before the town, without a label of its own
    QLineEdit *plz =
        neuesFeld(adresse, QStringLiteral("Plz"), store::findTableDef(QStringLiteral("EIGEN.DB")));
    tagged(plz, 6005);
    plz->setToolTip(QStringLiteral("PLZ"));
    plz->setMaximumWidth(80);
    a->removeWidget(m_felder.value(QStringLiteral("Ort")));
    a->addWidget(plz, 3, 1);
    a->addWidget(m_felder.value(QStringLiteral("Ort")), 3, 2);

    auto *verein = tagged(new QGroupBox(QStringLiteral("Verein"), this), 6013);
    zeilen(verein, QStringLiteral("ZUSATZ.DB"),
           {{"Verein", 6014, "&Verein"},
            {"Mitgliedsnummer", 6015, "&Mitgl.nr."},
            {"Zwingernummer", 6016, "&Zwingernr."}});

    auto *vorgaben = tagged(new QGroupBox(QStringLiteral("Vorgaben für neue Katzen"), this), 6017);
    auto *v = new QGridLayout(vorgaben);
    ComboBoxRasse = new QComboBox(vorgaben);
    ComboBoxRasse->setObjectName(QStringLiteral("ComboBoxRasse"));
    ComboBoxFarbe = new QComboBox(vorgaben);
    ComboBoxFarbe->setObjectName(QStringLiteral("ComboBoxFarbe"));
    QLabel *lr = label(vorgaben, 6018, QStringLiteral("&Zuchtrasse"));
    lr->setBuddy(ComboBoxRasse);
    v->addWidget(lr, 0, 0);
    v->addWidget(ComboBoxRasse, 0, 1);
    v->addWidget(label(vorgaben, 6019, QStringLiteral("Zuchtfarbe")), 1, 0);
    v->addWidget(ComboBoxFarbe, 1, 1);
    v->setColumnStretch(1, 1);

    auto *knoepfe = new QHBoxLayout;
    BitBtnOK = button(this, 6020, QStringLiteral("O&K"));
    BitBtnOK->setDefault(true);
    BitBtnHilfe = button(this, 6021, QStringLiteral("&Hilfe"));
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnOK);
    knoepfe->addWidget(BitBtnHilfe);
    connect(BitBtnOK, &QPushButton::clicked, this, [this] { uebernehmen(); });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(adresse);
    layout->addWidget(verein);
    layout->addWidget(vorgaben);
    layout->addStretch();
    layout->addLayout(knoepfe);

    try {
        m_eigen = eigeneDatenLesen(*m_db);
    } catch (const store::EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("EIGEN.DB"));
    }
    try {
        m_verein = vereinsdatenLesen(*m_db);
    } catch (const store::EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("ZUSATZ.DB"));
    }
    for (const EigenesFeld &f : eigeneFelder())
        m_felder.value(QLatin1String(f.name))->setText(m_eigen.*f.wert);
    m_felder.value(QStringLiteral("Verein"))->setText(m_verein.Verein);
    m_felder.value(QStringLiteral("Mitgliedsnummer"))->setText(m_verein.Mitgliedsnummer);
    m_felder.value(QStringLiteral("Zwingernummer"))->setText(m_verein.Zwingernummer);
    const tsysteminfo *s = tsysteminfo::instance();
    rasseBoxFuellen(ComboBoxRasse, *m_db, s ? s->RasseStandardeinstellung : 0);
    farbBoxFuellen(ComboBoxFarbe, *m_db, s ? s->FarbeStandardeinstellung : QString());
    entfTaste(ComboBoxFarbe, Entf::Leeren);
    finishCreate();
}

TAnwenderdaten *TAnwenderdaten::instance()
{
    return current();
}

EigeneDaten TAnwenderdaten::eigeneEingabe() const
{
    EigeneDaten d;
    for (const EigenesFeld &f : eigeneFelder())
        d.*f.wert = m_felder.value(QLatin1String(f.name))->text().trimmed();
    return d;
}

Vereinsdaten TAnwenderdaten::vereinsEingabe() const
{
    return {m_felder.value(QStringLiteral("Verein"))->text().trimmed(),
            m_felder.value(QStringLiteral("Mitgliedsnummer"))->text().trimmed(),
            m_felder.value(QStringLiteral("Zwingernummer"))->text().trimmed()};
}

bool TAnwenderdaten::uebernehmen()
{
    const EigeneDaten eigen = eigeneEingabe();
    const Vereinsdaten verein = vereinsEingabe();
    const std::optional<EigeneDaten> eigenNeu = eigen == m_eigen ? std::nullopt : std::optional(eigen);
    const std::optional<Vereinsdaten> vereinNeu = verein == m_verein ? std::nullopt : std::optional(verein);
    try {
        const Pruefung p = anwenderdatenSchreiben(*m_db, eigenNeu, vereinNeu);
        if (!p.ok()) {
            QLineEdit *falsch = m_felder.value(
                p.feld.isEmpty() ? (eigen.Name.isEmpty() ? QStringLiteral("Name") : QStringLiteral("Vorname"))
                                 : p.feld);
            const QLabel *l = m_beschriftung.value(p.feld);
            showMessage(p.meldung, MsgIcon::Error, MsgButtons::Ok, QString(),
                        l ? QLatin1Char(' ') + l->text().remove(QLatin1Char('&')) : QString());
            if (falsch)
                falsch->setFocus();
            return false;
        }
    } catch (const store::EngineError &e) {
        TDBError::HandleException(e, e.file());
        return false;
    }
    if (eigenNeu) {
        m_eigen = eigen;
        if (shell::Shell *mw = shell::Shell::current())
            mw->frame()->setWindowTitle(hauptfensterTitel(eigen));
    }
    m_verein = verein;
    if (tsysteminfo *s = tsysteminfo::instance();
        s && !vorgabenSpeichern(*s, ComboBoxRasse->currentData().toInt(), ComboBoxFarbe->currentText())) {
        showMessage(MeldungNichtGeschrieben, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + s->datei());
        return false;
    }
    close();
    return true;
}

void registerAnwenderdaten()
{
    shell::registerSingleWindow(QStringLiteral("anwenderdaten"), QSize(520, 560),
                                [] { return new TAnwenderdaten(store::defaultDatabase()); });
}

} // namespace tav::app::ui
