// SuchenErsetzen: the search-and-replace dialog (TFormSuchen_Ersetzen) over a data grid.
#include "SuchenErsetzen.h"

#include "app/Sprache.h"
#include "app/ui/OptionenTeile.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QValidator>
#include <utility>

namespace tav::maintenance::ui {

using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::app::ui::optionen;

namespace {
QPointer<TFormSuchen_Ersetzen> &current()
{
    static QPointer<TFormSuchen_Ersetzen> d;
    return d;
}

QString caption(int tag, const char *deutsch)
{
    const QString t = tav::app::captionText(tag);
    return t.isEmpty() ? QString::fromUtf8(deutsch) : t;
}

// only the characters the column's field accepts, typed or pasted
class ZeichenFilter : public QValidator
{
  public:
    ZeichenFilter(store::FieldType typ, QObject *parent) : QValidator(parent), m_typ(typ) {}
    State validate(QString &input, int &) const override
    {
        for (QChar c : std::as_const(input)) {
            if (!zeichenErlaubt(m_typ, c))
                return Invalid;
        }
        return Acceptable;
    }

  private:
    store::FieldType m_typ;
};
} // namespace

TFormSuchen_Ersetzen::TFormSuchen_Ersetzen(QWidget *parent) : QDialog(parent)
{
    current() = this;
    setObjectName(QStringLiteral("FormSuchen_Ersetzen"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setProperty("tag", 7230);
    setWindowTitle(QStringLiteral("Suchen / Ersetzen"));

    Editsuche = new QLineEdit(this);
    Editsuche->setObjectName(QStringLiteral("Editsuche"));
    Editersetzen = new QLineEdit(this);
    Editersetzen->setObjectName(QStringLiteral("Editersetzen"));
    CheckGrossKlein = check(this, 7234, QStringLiteral("Groß- / Kleinschreibung ignorieren"));
    CheckGrossKlein->setObjectName(QStringLiteral("CheckGrossKlein"));
    CheckGanzesWort = check(this, 7235, QStringLiteral("Nur ganzes Wort suchen"));
    CheckGanzesWort->setObjectName(QStringLiteral("CheckGanzesWort"));
    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    LabelSpalte = new QLabel(this);
    LabelSpalte->setObjectName(QStringLiteral("LabelSpalte"));
    LabelSpalte->setProperty("dataText", true);
    QFont fett = LabelSpalte->font();
    fett.setBold(true);
    LabelSpalte->setFont(fett);
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto *hinweis = new QHBoxLayout(Panel1);
    hinweis->setSpacing(0);
    hinweis->addWidget(Label1);
    hinweis->addWidget(Label2, 1);

    BitBtnErsetzen = button(this, 7236, QStringLiteral("Ersetzen"));
    BitBtnErsetzen->setObjectName(QStringLiteral("Ersetzen"));
    BitBtnAlleErsetzen = button(this, 7237, QStringLiteral("Alle ersetzen"));
    BitBtnAlleErsetzen->setObjectName(QStringLiteral("AlleErsetzen"));
    BitBtnSuchen = new QPushButton(this); // its text tells whether a search goes on
    BitBtnSuchen->setObjectName(QStringLiteral("Suchen"));
    BitBtnSuchen->setDefault(true);
    BitBtnAbbruch = button(this, 7238, QStringLiteral("Abbruch"));
    BitBtnAbbruch->setObjectName(QStringLiteral("Abbruch"));
    BitBtnZurueck = button(this, 7239, QStringLiteral("Zurück"));
    BitBtnZurueck->setObjectName(QStringLiteral("Zurueck"));

    auto *g = new QGridLayout(this);
    auto *spalte = new QHBoxLayout;
    spalte->setSpacing(10);
    spalte->addWidget(Label7);
    spalte->addWidget(LabelSpalte, 1);
    g->addLayout(spalte, 0, 0, 1, 2);
    g->addWidget(label(this, 7231, QStringLiteral("Suchen nach:")), 1, 0);
    g->addWidget(Editsuche, 1, 1);
    g->addWidget(label(this, 7232, QStringLiteral("Ersetzen durch:")), 2, 0);
    g->addWidget(Editersetzen, 2, 1);
    g->addWidget(label(this, 7233, QStringLiteral("Suchoptionen:")), 3, 0);
    g->addWidget(CheckGrossKlein, 3, 1);
    g->addWidget(CheckGanzesWort, 4, 1);
    g->addWidget(Panel1, 5, 0, 1, 2);
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {BitBtnErsetzen, BitBtnAlleErsetzen, BitBtnSuchen, BitBtnAbbruch, BitBtnZurueck})
        knoepfe->addWidget(b);
    g->addLayout(knoepfe, 6, 0, 1, 2);

    connect(BitBtnSuchen, &QPushButton::clicked, this, &TFormSuchen_Ersetzen::Suchen);
    connect(BitBtnErsetzen, &QPushButton::clicked, this, &TFormSuchen_Ersetzen::Ersetzen);
    connect(BitBtnAlleErsetzen, &QPushButton::clicked, this, &TFormSuchen_Ersetzen::AlleErsetzen);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, &TFormSuchen_Ersetzen::Abbrechen);
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit *e : {Editsuche, Editersetzen})
        connect(e, &QLineEdit::textEdited, this, &TFormSuchen_Ersetzen::zuruecksetzen);
    for (QCheckBox *c : {CheckGrossKlein, CheckGanzesWort})
        connect(c, &QCheckBox::toggled, this, &TFormSuchen_Ersetzen::zuruecksetzen);

    translateOnCreate(this);
    Label1->setText(caption(1517, "Ersetzen nicht möglich, da Feldwert"));
    Label2->setText(caption(1518, " hier nicht speicherbar!"));
    zuruecksetzen();
}

TFormSuchen_Ersetzen::~TFormSuchen_Ersetzen()
{
    loesen();
}

TFormSuchen_Ersetzen *TFormSuchen_Ersetzen::instance()
{
    return current();
}

tav::store::Table *TFormSuchen_Ersetzen::tabelle() const
{
    if (!TMPDBGrid || !TMPDBGrid->tableModel() || !TMPDBGrid->tableModel()->dataSource())
        return nullptr;
    return TMPDBGrid->tableModel()->dataSource()->table();
}

Suche TFormSuchen_Ersetzen::suche() const
{
    Suche s;
    s.feld = feld;
    s.text = Editsuche->text();
    // where nothing can be replaced, the replacement text plays no part
    s.ersetzen = TMPArt == 2 ? Editersetzen->text() : QString();
    s.grossKleinIgnorieren = CheckGrossKlein->isChecked();
    s.ganzesWort = CheckGanzesWort->isChecked();
    return s;
}

void TFormSuchen_Ersetzen::start(DBGrid *grid, int art)
{
    loesen();
    TMPDBGrid = grid;
    startArt = art;
    if (grid)
        m_klick = connect(grid, &QAbstractItemView::clicked, this, [this] {
            abbruch = m_sucht;
            belegen();
        });
    if (store::Table *t = tabelle(); t && t->isOpen())
        t->first();
    belegen();
}

void TFormSuchen_Ersetzen::loesen()
{
    disconnect(m_klick);
    m_klick = {};
}

void TFormSuchen_Ersetzen::zuruecksetzen()
{
    gestartet = false;
    m_hierWeiter = false;
    gefunden = false;
    BitBtnSuchen->setText(caption(1521, "Suchen"));
    BitBtnSuchen->setEnabled(true);
    BitBtnErsetzen->setEnabled(false);
    BitBtnAlleErsetzen->setEnabled(false);
    BitBtnAbbruch->setEnabled(false);
}

void TFormSuchen_Ersetzen::belegen()
{
    zuruecksetzen();
    Editsuche->clear();
    Editersetzen->clear();
    feld.clear();
    bool aenderbar = false;
    store::FieldType typ = store::FieldType::String;
    if (TMPDBGrid && TMPDBGrid->tableModel()) {
        const auto &spalten = TMPDBGrid->tableModel()->columns();
        const int c = std::max(0, TMPDBGrid->currentIndex().column());
        if (c < spalten.size()) {
            const TableModel::Column &s = spalten[c];
            feld = s.field;
            LabelSpalte->setText(s.title);
            const store::Table *t = tabelle();
            const store::FieldDef *def = t && t->isOpen() ? t->fieldDef(feld) : nullptr;
            if (def)
                typ = def->type;
            aenderbar = def && s.editable && !s.calc && s.lookupTable.isEmpty() &&
                        def->type != store::FieldType::AutoInc && !t->isReadOnly();
        }
    }
    for (QLineEdit *e : {Editsuche, Editersetzen}) {
        delete e->validator();
        e->setValidator(new ZeichenFilter(typ, e));
    }
    Label2->setText(startArt == 3 ? caption(1593, " im Lesemodus nicht änderbar!")
                                  : caption(1518, " hier nicht speicherbar!"));
    TMPArt = startArt == 2 && aenderbar ? 2 : 1;
    const bool ersetzen = TMPArt == 2;
    Editersetzen->setEnabled(ersetzen);
    Editersetzen->setFocusPolicy(ersetzen ? Qt::StrongFocus : Qt::ClickFocus);
    Panel1->setVisible(!ersetzen);
    Label7->setText(ersetzen ? caption(1515, "Suchen / Ersetzen in der Spalte:")
                             : caption(1527, "Suchen in der Spalte:"));
    BitBtnErsetzen->setVisible(ersetzen);
    BitBtnAlleErsetzen->setVisible(ersetzen);
    adjustSize();
}

bool TFormSuchen_Ersetzen::laufen(const std::function<void(const std::function<bool()> &)> &arbeit)
{
    store::Table *t = tabelle();
    for (QPushButton *b : {BitBtnSuchen, BitBtnErsetzen, BitBtnAlleErsetzen})
        b->setEnabled(false);
    BitBtnAbbruch->setEnabled(true);
    abbruch = false;
    m_sucht = true;
    try {
        // pending events pass between rows, so that "Abbruch" can be pressed
        arbeit([this] {
            QApplication::processEvents();
            return abbruch;
        });
    } catch (const std::exception &e) {
        m_sucht = false;
        zuruecksetzen();
        TDBError::HandleException(e, t->tableName());
        return false;
    }
    m_sucht = false;
    return !abbruch;
}

void TFormSuchen_Ersetzen::Suchen()
{
    store::Table *t = tabelle();
    if (Editsuche->text().isEmpty()) {
        showMessage(204, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    if (!t || !t->isOpen() || m_sucht)
        return;
    gefunden = false;
    bool treffer = false;
    const bool fertig = laufen([&](const std::function<bool()> &abbrechen) {
        if (gestartet) {
            if (!std::exchange(m_hierWeiter, false))
                t->next();
        } else {
            nichtvorhanden = true;
            gestartet = true;
            t->first();
        }
        treffer = naechsterTreffer(*t, suche(), abbrechen);
    });
    if (!fertig)
        return;
    if (treffer) {
        trefferZeigen();
        return;
    }
    zuruecksetzen();
    showMessage(nichtvorhanden ? 200 : 203, MsgIcon::Information, MsgButtons::Ok);
}

void TFormSuchen_Ersetzen::trefferZeigen()
{
    gefunden = true;
    nichtvorhanden = false;
    BitBtnSuchen->setText(caption(1528, "Weitersuchen"));
    BitBtnSuchen->setEnabled(true);
    BitBtnSuchen->setFocus();
    BitBtnErsetzen->setEnabled(TMPArt == 2);
    BitBtnAlleErsetzen->setEnabled(TMPArt == 2);
    BitBtnAbbruch->setEnabled(false);
    TableModel *m = TMPDBGrid->tableModel();
    const int spalte = std::max(0, TMPDBGrid->currentIndex().column());
    const QModelIndex zelle = m->index(m->currentRow(), spalte);
    TMPDBGrid->setCurrentIndex(zelle);
    TMPDBGrid->scrollTo(zelle);
    const QRect r = TMPDBGrid->visualRect(zelle);
    if (isVisible() && r.isValid()) {
        const QRect global(TMPDBGrid->viewport()->mapToGlobal(r.topLeft()), r.size());
        move(ausweichen(frameGeometry(), global, TMPDBGrid->mapToGlobal(QPoint(0, 0)).y()));
    }
}

void TFormSuchen_Ersetzen::Ersetzen()
{
    if (!gestartet) {
        Suchen();
        return;
    }
    store::Table *t = tabelle();
    if (!gefunden || !t || TMPArt != 2)
        return;
    const int vorher = t->recNo();
    try {
        tav::maintenance::ersetzen(*t, suche());
        // the next search goes on where the row stood before it moved in the order: after that
        // place, or on it when the rows behind slid up into it
        const int nachher = t->recNo();
        if (nachher != vorher) {
            t->moveTo(vorher);
            m_hierWeiter = nachher > vorher;
        }
    } catch (const std::exception &e) {
        TDBError::HandleException(e, t->tableName());
    }
    gefunden = false;
    BitBtnErsetzen->setEnabled(false);
    BitBtnAlleErsetzen->setEnabled(false);
}

void TFormSuchen_Ersetzen::AlleErsetzen()
{
    store::Table *t = tabelle();
    if (!gefunden || !t || TMPArt != 2 || m_sucht)
        return;
    int anzahl = 0;
    const bool fertig = laufen(
        [&](const std::function<bool()> &abbrechen) { anzahl = alleErsetzen(*t, suche(), abbrechen); });
    if (TMPDBGrid && TMPDBGrid->tableModel())
        TMPDBGrid->tableModel()->reload();
    if (!fertig)
        return;
    zuruecksetzen();
    if (anzahl == 1)
        showMessage(210, MsgIcon::Information, MsgButtons::Ok);
    else
        showMessage(201, MsgIcon::Information, MsgButtons::Ok, QString(),
                    QStringLiteral(" ") + QString::number(anzahl) + tav::app::messageText(202));
}

void TFormSuchen_Ersetzen::Abbrechen()
{
    abbruch = true;
    belegen();
}

void TFormSuchen_Ersetzen::closeEvent(QCloseEvent *e)
{
    if (m_sucht) {
        abbruch = true;
        e->ignore();
        return;
    }
    loesen();
    if (store::Table *t = tabelle(); t && t->isOpen() && !t->isEditing())
        t->first();
    QDialog::closeEvent(e);
}

TFormSuchen_Ersetzen *TFormSuchen_Ersetzen::oeffnen(DBGrid *grid, QWidget *caller)
{
    TFormSuchen_Ersetzen *d = current();
    if (!d) {
        d = new TFormSuchen_Ersetzen(caller ? caller->window() : nullptr);
        d->setAttribute(Qt::WA_DeleteOnClose);
    }
    const store::Table *t = grid && grid->tableModel() && grid->tableModel()->dataSource()
                                ? grid->tableModel()->dataSource()->table()
                                : nullptr;
    const bool editierbar =
        grid && grid->editTriggers() != QAbstractItemView::NoEditTriggers && t && !t->isReadOnly();
    d->start(grid, editierbar ? 2 : 3);
    if (caller) {
        // centred on the caller's width, its top at half the caller's height
        const QPoint o = caller->mapToGlobal(QPoint(0, 0));
        d->move(o.x() + (caller->width() - d->width()) / 2, o.y() + caller->height() / 2);
    }
    d->show();
    d->raise();
    return d;
}

} // namespace tav::maintenance::ui
