#include "ListeNachkommen.h"

#include "Baumsymbole.h"
#include "Nachkommen.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "breeding/Nachkommen.h"
#include "store/Database.h"
#include "widgets/Dialogs.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::breeding::ui {

namespace {
QPointer<TFormListeNachkommen> &current()
{
    static QPointer<TFormListeNachkommen> w;
    return w;
}

enum Tag {
    TagFenster = 8130,
    TagKeineVorhanden = 8131,
    TagHilfe = 8122,
    TagZurueck = 8123,
    TagVater = 763,
    TagMutter = 764,
};

const QString Platzhalter = QStringLiteral("neu");

QIcon bildIcon(int bild)
{
    return baumsymbol(bild == TFormListeNachkommen::BildMaennlich  ? Baumsymbol::Maennlich
                      : bild == TFormListeNachkommen::BildWeiblich ? Baumsymbol::Weiblich
                                                                   : Baumsymbol::Leer);
}

int bildNachGeschlecht(const QString &geschlecht)
{
    return ueberVater(geschlecht) ? TFormListeNachkommen::BildMaennlich : TFormListeNachkommen::BildWeiblich;
}

QString keineVorhanden()
{
    const QString text = app::captionText(TagKeineVorhanden);
    return text.isEmpty() ? QStringLiteral("Keine Nachkommen vorhanden") : text;
}
} // namespace

TFormListeNachkommen::TFormListeNachkommen(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formlistenachkommen"), parent), m_db(db)
{
    current() = this;
    setObjectName(QStringLiteral("FormListeNachkommen"));
    setProperty("tag", TagFenster);
    setWindowTitle(QStringLiteral("Liste der Nachkommen"));
    setHelpContext(HilfeKontext);
    setFit(Fit::Both);

    auto *layout = new QVBoxLayout(this);
    auto *teiler = new QSplitter(this);
    TreeView1 = new QTreeWidget(teiler);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    Memo1 = new QPlainTextEdit(teiler);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 2);
    layout->addWidget(teiler, 1);
    auto *knoepfe = new QHBoxLayout;
    BitBtnHilfe = fensterKnopf(QStringLiteral("BitBtnHilfe"), QStringLiteral("&Hilfe"), TagHilfe, this);
    BitBtnZurueck =
        fensterKnopf(QStringLiteral("BitBtnZurueck"), QStringLiteral("&Zurück"), TagZurueck, this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addWidget(BitBtnZurueck);
    layout->addLayout(knoepfe);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    finishCreate();

    try {
        m_leser = std::make_unique<NachkommenLeser>(*m_db, app::sprache().languageNumber());
    } catch (const std::exception &) {
        showMessage(11, MsgIcon::Error, MsgButtons::Ok, {}, QStringLiteral(" CATSTAMM.DB"));
        return;
    }
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &TFormListeNachkommen::zweigOeffnen);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *knoten) { knotenGewaehlt(knoten); });
    aufbauen(aktuelleKatzeDesProgramms());
}

TFormListeNachkommen::~TFormListeNachkommen()
{
    if (current() == this)
        current() = nullptr;
}

TFormListeNachkommen *TFormListeNachkommen::instance()
{
    return current();
}

void TFormListeNachkommen::setzen(QTreeWidgetItem *knoten, const QString &text, int bild, bool platzhalter)
{
    knoten->setText(0, text);
    knoten->setIcon(0, bildIcon(bild));
    knoten->setData(0, BildRolle, bild);
    knoten->setData(0, PlatzhalterRolle, platzhalter);
}

QTreeWidgetItem *TFormListeNachkommen::kind(QTreeWidgetItem *eltern, const QString &text, int bild)
{
    auto *k = eltern ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(TreeView1);
    setzen(k, text, bild, text == Platzhalter && bild == BildLeer);
    return k;
}

bool TFormListeNachkommen::kinderAnhaengen(QTreeWidgetItem *knoten, qint32 nummer)
{
    ++m_lesungen;
    QVector<Nachkomme> kinder;
    try {
        kinder = m_leser->nachkommen(nummer, false);
    } catch (const std::exception &) {
        showMessage(11, MsgIcon::Error, MsgButtons::Ok, {}, QStringLiteral(" CATSTAMM.DB"));
    }
    if (kinder.isEmpty())
        return false;
    // a branch not yet opened holds only its placeholder; that becomes the first offspring
    QTreeWidgetItem *platz = knoten->childCount() ? knoten->child(0) : nullptr;
    for (const Nachkomme &k : kinder) {
        QTreeWidgetItem *neu = platz ? platz : new QTreeWidgetItem(knoten);
        platz = nullptr;
        setzen(neu, knotenText(k.name, k.nummer), bildNachGeschlecht(k.geschlecht), false);
        kind(neu, Platzhalter, BildLeer);
    }
    return true;
}

void TFormListeNachkommen::aufbauen(qint32 nummer)
{
    TreeView1->clear();
    const std::optional<Elterntier> katze = m_leser->katze(nummer);
    if (!katze)
        return;
    QTreeWidgetItem *wurzel =
        kind(nullptr, knotenText(katze->name, katze->nummer), bildNachGeschlecht(katze->geschlecht));
    datenZeigen(katze->nummer);
    if (kinderAnhaengen(wurzel, katze->nummer)) {
        wurzel->setExpanded(true);
        TreeView1->setCurrentItem(wurzel->child(wurzel->childCount() - 1));
    } else {
        kind(nullptr, keineVorhanden(), BildLeer);
    }
    TreeView1->setCurrentItem(wurzel);
}

void TFormListeNachkommen::followCat(int cat)
{
    if (m_leser)
        aufbauen(cat);
}

void TFormListeNachkommen::zweigOeffnen(QTreeWidgetItem *knoten)
{
    const qint32 nummer = knotenNummer(knoten->text(0));
    datenZeigen(nummer);
    if (!knoten->parent() || !nummer)
        return;
    QTreeWidgetItem *erstes = knoten->childCount() ? knoten->child(0) : nullptr;
    if (erstes && erstes->data(0, PlatzhalterRolle).toBool() && !kinderAnhaengen(knoten, nummer))
        setzen(erstes, keineVorhanden(), BildLeer, false);
    TreeView1->setCurrentItem(knoten);
}

void TFormListeNachkommen::knotenGewaehlt(QTreeWidgetItem *knoten)
{
    datenZeigen(knoten ? knotenNummer(knoten->text(0)) : 0);
}

void TFormListeNachkommen::datenZeigen(qint32 nummer)
{
    const std::optional<Elterntier> katze = nummer > 0 ? m_leser->katze(nummer) : std::nullopt;
    app::TDatenGlobal *global = app::TDatenGlobal::instance();
    if (!katze || !global) {
        Memo1->clear();
        return;
    }
    const QStringList daten = global->Katzendaten(3, katze->nummer, false, 0).daten;
    const auto zeile = [&](int tag, qint32 eltern) {
        const QString name = m_leser->name(eltern);
        return name.isEmpty() ? QString() : app::captionText(tag) + QLatin1Char(' ') + name;
    };
    Memo1->setPlainText(datenMitEltern(daten, zeile(TagMutter, katze->mutter), zeile(TagVater, katze->vater))
                            .join(QLatin1Char('\n')));
    Memo1->moveCursor(QTextCursor::Start);
}

} // namespace tav::breeding::ui
