// The status list window: the status names by position, stored under the number of the position.
#include "StatusFenster.h"

#include "cats/Referenzlisten.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DataSource.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QStringList>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
constexpr int TagFenster = 4808, TagHinzufuegen = 4850, TagRueckgaengig = 4851, TagZurueck = 4853,
              TagHilfe = 4854, TagSpeichern = 4859;
constexpr int HilfeKontext = 120;

QPushButton *knopf(int tag, const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    b->setObjectName(name);
    return b;
}
} // namespace

TStatusForm::TStatusForm(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("statusform"), parent), m_db(db)
{
    setObjectName(QStringLiteral("StatusForm"));
    setProperty("tag", TagFenster);
    setHelpContext(HilfeKontext);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *g = new QGridLayout(this);
    for (int i = 0; i < MaxStatus; ++i) {
        auto *l = new QLabel(QString::number(i + 1), this);
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        e->setMaxLength(15);
        connect(e, &QLineEdit::textEdited, this, [this] { geaendert(true); });
        g->addWidget(l, i, 0);
        g->addWidget(e, i, 1);
        m_labels << l;
        m_felder << e;
    }
    auto *knoepfe = new QHBoxLayout;
    QPushButton *neu =
        knopf(TagHinzufuegen, QStringLiteral("H&inzufügen"), QStringLiteral("Hinzufuegen"), this);
    m_speichern = knopf(TagSpeichern, QStringLiteral("&Speichern"), QStringLiteral("Speichern"), this);
    m_rueckgaengig =
        knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), QStringLiteral("Rueckgaengig"), this);
    QPushButton *hilfe = knopf(TagHilfe, QStringLiteral("&Hilfe"), QStringLiteral("Hilfe"), this);
    QPushButton *zurueck = knopf(TagZurueck, QStringLiteral("&Zurück"), QStringLiteral("Zurueck"), this);
    connect(neu, &QPushButton::clicked, this, &TStatusForm::hinzufuegen);
    connect(m_speichern, &QPushButton::clicked, this, &TStatusForm::speichern);
    connect(m_rueckgaengig, &QPushButton::clicked, this, &TStatusForm::rueckgaengig);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *b : {neu, m_speichern, m_rueckgaengig, hilfe, zurueck})
        knoepfe->addWidget(b);
    g->addLayout(knoepfe, MaxStatus, 0, 1, 2);
    g->setRowStretch(MaxStatus + 1, 1);
    laden();
    finishCreate();
}

int TStatusForm::sichtbar() const
{
    int n = 0;
    for (QLineEdit *e : m_felder)
        n += e->isVisibleTo(this) ? 1 : 0;
    return n;
}

void TStatusForm::laden()
{
    QStringList &namen = m_gespeichert;
    namen.clear();
    try {
        namen = statusLaden(*m_db);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("STATUS.DB"));
    }
    for (int i = 0; i < MaxStatus; ++i) {
        const bool zeigen = i < namen.size();
        m_felder[i]->setText(zeigen ? statusAnzeige(i + 1, namen.at(i)) : QString());
        m_felder[i]->setVisible(zeigen);
        m_labels[i]->setVisible(zeigen);
    }
    geaendert(false);
}

void TStatusForm::geaendert(bool an)
{
    m_speichern->setEnabled(an);
    m_rueckgaengig->setEnabled(an);
}

void TStatusForm::hinzufuegen()
{
    for (int i = 0; i < MaxStatus; ++i) {
        if (!m_felder[i]->isVisibleTo(this)) {
            m_labels[i]->show();
            m_felder[i]->show();
            m_felder[i]->setFocus();
            return;
        }
    }
}

bool TStatusForm::speichern()
{
    QStringList namen;
    for (int i = 0; i < MaxStatus; ++i) {
        if (m_felder[i]->isVisibleTo(this))
            namen << statusEingabe(i + 1, m_gespeichert.value(i), m_felder[i]->text().trimmed());
    }
    try {
        statusSpeichern(*m_db, namen);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("STATUS.DB"));
        return false;
    }
    laden();
    return true;
}

void TStatusForm::rueckgaengig()
{
    laden();
}

void registerStatusForm()
{
    registerWindow(QStringLiteral("statusform"), [](Shell &mw) -> QWidget * {
        if (ChildWindow *offen = ChildWindow::find(QStringLiteral("statusform")))
            return offen;
        auto *w = new TStatusForm(tav::store::defaultDatabase());
        w->resize(w->sizeHint().expandedTo(QSize(292, 259)));
        mw.addChild(w);
        w->show();
        return w;
    });
}

} // namespace tav::cats::ui
