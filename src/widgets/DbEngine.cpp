// DbEngine: the database error dialog (TDBError) with its index repair.
#include "DbEngine.h"

#include "Dialogs.h"
#include "Translator.h"
#include "app/EngineErrorText.h"
#include "app/ProgramHome.h"
#include "maintenance/Indexerstellung.h"
#include "store/Database.h"
#include "store/EngineError.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>

namespace tav::widgets {

using namespace tav::app;

using tav::maintenance::TDataModuleIndex;
using tav::store::EngineError;

namespace {
constexpr int LineHeight = 13;
constexpr int ButtonHeight = 25;
constexpr int PanelHeights[4] = {40, 57, 73, 90};

bool &restartFlag()
{
    static bool flag = false;
    return flag;
}

// the application frees its top-level widgets when it ends
QPointer<TDBError> &theDialog()
{
    static QPointer<TDBError> d;
    return d;
}
} // namespace

TDBError::TDBError(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DBErrorDlg"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setModal(true);
    QFont f = font();
    f.setPixelSize(11); // lines are 13 pixels high
    setFont(f);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    LDateiname = new QLabel(Panel1);
    LDateiname->setObjectName(QStringLiteral("LDateiname"));
    for (int i = 0; i < 4; ++i) {
        Error[i] = new QLabel(Panel1);
        Error[i]->setObjectName(QStringLiteral("Error%1").arg(i + 1));
        Error[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->hide();
    Nativecode = new QLabel(Panel2);
    Nativecode->setObjectName(QStringLiteral("Nativecode"));
    Nativecode->setWordWrap(true);
    Nativecode->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    NatBtn = new QPushButton(QStringLiteral("Mehr Informationen"), this);
    NatBtn->setObjectName(QStringLiteral("NatBtn"));
    RepBtn = new QPushButton(QStringLiteral("Reparieren"), this);
    RepBtn->setObjectName(QStringLiteral("RepBtn"));
    DoneBtn = new QPushButton(QStringLiteral("Weiter"), this);
    DoneBtn->setObjectName(QStringLiteral("DoneBtn"));
    DoneBtn->setDefault(true);
    for (QPushButton *b : {NatBtn, RepBtn, DoneBtn})
        b->setAutoDefault(false);
    NatBtn->resize(NatBtn->fontMetrics().horizontalAdvance(NatBtn->text()) + 16, ButtonHeight);
    RepBtn->resize(62, ButtonHeight);
    DoneBtn->resize(62, ButtonHeight);
    RepBtn->hide();
    NatBtn->setProperty("tag", 9104);
    RepBtn->setProperty("tag", 9105);
    DoneBtn->setProperty("tag", 9106);
    translateOnCreate(this);

    connect(NatBtn, &QPushButton::clicked, this, &TDBError::NatBtnClick);
    connect(RepBtn, &QPushButton::clicked, this, &TDBError::RepBtnClick);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    // whoever rebuilt indexes (this repair or the index reconstruction) asks for the restart here
    connect(this, &TDBError::restartRequested, this, [] { restartFlag() = true; });
    SizeErrorDialog(200, 1);
}

TDBError::~TDBError() = default;

TDBError &TDBError::instance()
{
    if (!theDialog())
        theDialog() = new TDBError();
    return *theDialog();
}

bool TDBError::indexrekonstruktion()
{
    return restartFlag();
}

void TDBError::resetIndexrekonstruktion()
{
    restartFlag() = false;
}

void TDBError::HandleException(const std::exception &e, const QString &Datei)
{
    TDBError *d = nullptr;
    if (const auto *ee = dynamic_cast<const EngineError *>(&e)) {
        // another process held the register past the time-out: nothing to repair, nothing damaged
        if (isBusyTimeout(*ee)) {
            const QString line = errorFileLine(Datei.isEmpty() ? ee->file() : Datei);
            showMessage(busyMessage, MsgIcon::Error, MsgButtons::Ok,
                        line.isEmpty() ? QString() : line + QStringLiteral("\r"));
            return;
        }
        d = &instance();
        d->prepareEngineError(*ee, Datei.isEmpty() ? ee->file() : Datei);
    } else if (const auto *fe = dynamic_cast<const DatabaseError *>(&e)) {
        d = &instance();
        d->prepareFrameworkError(QString::fromUtf8(fe->what()), Datei);
    } else {
        showText(QString::fromUtf8(e.what()), MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    try {
        QStringList text{d->windowTitle(), d->LDateiname->text()};
        for (QLabel *l : d->Error)
            text << l->text();
        text.removeAll(QString());
        execDialog(*d, text.join(QLatin1Char('\n')));
    } catch (...) {
        // nothing may escape the error dialog itself
    }
}

void TDBError::HandleExceptionLater(const std::exception &e, const QString &Datei)
{
    std::function<void()> show;
    if (const auto *ee = dynamic_cast<const EngineError *>(&e))
        show = [err = *ee, Datei] { HandleException(err, Datei); };
    else if (const auto *fe = dynamic_cast<const DatabaseError *>(&e))
        show = [err = *fe, Datei] { HandleException(err, Datei); };
    else
        show = [text = std::string(e.what()), Datei] { HandleException(std::runtime_error(text), Datei); };
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(show));
}

QString TDBError::fileLine() const
{
    return errorFileLine(Dateiname);
}

void TDBError::prepare(const QString &caption, const QString &Datei)
{
    setWindowTitle(caption);
    Dateiname = errorTableName(Datei);
    LDateiname->setText(fileLine());
    for (QLabel *l : Error) {
        l->hide();
        l->clear();
    }
    NatBtn->setEnabled(false);
    NatBtn->move(6, NatBtn->y());
    RepBtn->hide();
    RepBtn->setEnabled(false);
    Panel2->hide();
    Nativecode->setText(QStringLiteral("Fehlerursache: Code(s) "));
}

void TDBError::prepareEngineError(const EngineError &e, const QString &Datei)
{
    prepare(QStringLiteral("EDBEngine-Fehler entdeckt"), Datei);
    const auto &entries = e.entries();
    ErrorNr = entries.isEmpty() ? 0 : entries.first().code;
    const int lines = std::min<int>(int(entries.size()), 4);
    QString native = Nativecode->text();
    const QFontMetrics fm(font());
    int widest = fm.horizontalAdvance(LDateiname->text());
    const QStringList texts = errorEntryLines(e);
    for (int i = 0; i < lines; ++i) {
        const auto &entry = entries[i];
        const QString &text = texts[i];
        Error[i]->setText(text);
        widest = std::max(widest, fm.horizontalAdvance(text));
        if (entry.nativeCode != 0) {
            native = QString(i < 2 ? QStringLiteral("%1  %2, %3") : QStringLiteral("%1  %2,  %3"))
                         .arg(native, QString::number(entry.nativeCode), entry.message);
            NatBtn->setEnabled(true);
        }
    }
    Nativecode->setText(native);
    SizeErrorDialog(widest, std::max(lines, 1));
    for (int i = 0; i < lines; ++i)
        Error[i]->show();
    NatBtn->show();
    if (isRepairable()) {
        RepBtn->show();
        RepBtn->setEnabled(true);
        NatBtn->move(72, NatBtn->y());
    }
}

void TDBError::prepareFrameworkError(const QString &message, const QString &Datei)
{
    prepare(QStringLiteral("EDatabase-Fehler entdeckt"), Datei);
    ErrorNr =
        message.contains(QStringLiteral("Kein Index")) || message.contains(QStringLiteral("key valuation"))
            ? tav::store::code::IndexOutOfDate
            : 0;
    Error[0]->setText(message + QLatin1Char('.'));
    const QFontMetrics fm(font());
    SizeErrorDialog(
        std::max(fm.horizontalAdvance(Error[0]->text()), fm.horizontalAdvance(LDateiname->text())), 1);
    Error[0]->show();
    NatBtn->setEnabled(true);
    NatBtn->hide();
    if (isRepairable()) {
        RepBtn->show();
        RepBtn->setEnabled(true);
        NatBtn->move(72, NatBtn->y());
    }
}

bool TDBError::isRepairable() const
{
    return TDataModuleIndex::isRepairable(Dateiname, ErrorNr);
}

void TDBError::SizeErrorDialog(int MaxStringSize, int Errors)
{
    const int lines = std::clamp(Errors, 1, 4);
    const int panelWidth = MaxStringSize + 16;
    const int panelHeight = PanelHeights[lines - 1];
    Panel1->setGeometry(7, 7, panelWidth, panelHeight);
    const int width = panelWidth + 14;
    const int height = panelHeight + 65;
    LDateiname->setGeometry(8, 6, MaxStringSize, LineHeight);
    for (int i = 0; i < 4; ++i) {
        Error[i]->setGeometry(8, 6 + LineHeight * (i + 1) + 2, MaxStringSize, LineHeight);
        Error[i]->setVisible(i < lines);
    }
    // buttons as wide as their text needs in the language shown
    for (QPushButton *b : {RepBtn, DoneBtn})
        b->resize(std::max(62, b->sizeHint().width()), ButtonHeight);
    NatBtn->resize(NatBtn->sizeHint().width(), ButtonHeight);
    m_buttonsTop = height - 56;
    NatBtn->move(NatBtn->x(), m_buttonsTop);
    RepBtn->move(6, m_buttonsTop);
    DoneBtn->move(width - 7 - DoneBtn->width(), m_buttonsTop);
    setFixedSize(width, height);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width / 2, height / 2));
}

void TDBError::NatBtnClick()
{
    NatBtn->setEnabled(false);
    Panel2->setGeometry(Panel1->x(), m_buttonsTop + 31, Panel1->width(), 36);
    Nativecode->setGeometry(8, 4, Panel1->width() - 15, 28);
    Panel2->show();
    setFixedSize(width(), height() + 43);
}

void TDBError::RepBtnClick()
{
    tav::store::Database *db = m_db ? m_db : tav::store::defaultDatabase();
    Q_EMIT tablesReleased();
    if (db)
        db->disconnect();
    bool ok = false;
    QString why;
    if (TDataModuleIndex::isRepairableCode(ErrorNr)) {
        TDataModuleIndex module(programHome(), db);
        ok = module.rebuildByName(Dateiname);
        why = module.lastError();
    }
    if (ok)
        showText(QStringLiteral("Reparatur erfolgreich!"), MsgIcon::Information, MsgButtons::Ok);
    else
        showText(QStringLiteral("Reparatur nicht möglich!") +
                     (why.isEmpty() ? QString() : QStringLiteral("\r") + why),
                 MsgIcon::Error, MsgButtons::Ok);
    RepBtn->setEnabled(false);
    restartFlag() = true;
    Q_EMIT restartRequested();
    accept();
}

} // namespace tav::widgets
