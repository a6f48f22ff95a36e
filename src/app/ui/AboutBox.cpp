#include "AboutBox.h"

#include "OptionenTeile.h"
#include "report/ReportJob.h"
#include "shell/Shell.h"
#include "store/Database.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QPointer>
#include <QSize>
#include <QStyle>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {
constexpr int HilfeKontextInfo = 6090;

QPointer<TAboutBox> &current()
{
    static QPointer<TAboutBox> w;
    return w;
}
} // namespace

QString programmVersion()
{
    return QStringLiteral(TAV_VERSION);
}

TAboutBox::TAboutBox(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("AboutBox"), parent)
{
    current() = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", 6030);
    setWindowTitle(QStringLiteral("Info"));
    setHelpContext(HilfeKontextInfo);

    auto *icon = new QLabel(this);
    const QIcon programmIcon = QApplication::windowIcon().isNull()
                                   ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                                   : QApplication::windowIcon();
    icon->setPixmap(programmIcon.pixmap(48, 48));
    ProductName = new QLabel(QStringLiteral("Tavrenno"), this);
    QFont gross = ProductName->font();
    gross.setPointSizeF(gross.pointSizeF() * 2);
    gross.setBold(true);
    ProductName->setFont(gross);
    Version = new QLabel(programmVersion(), this);
    Version->setObjectName(QStringLiteral("Version"));
    const QString web = report::productWebAddress();
    Webadresse = new QLabel(QStringLiteral("<a href=\"https://%1\">%1</a>").arg(web), this);
    Webadresse->setOpenExternalLinks(true);
    Register = new QLabel(db ? QDir::toNativeSeparators(db->dataDir()) : QString(), this);
    Register->setObjectName(QStringLiteral("Register"));
    Register->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Register->setWordWrap(true);
    OKButton = button(this, 6034, QStringLiteral("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    HilfeButton = button(this, 6035, QStringLiteral("&Hilfe"));
    connect(HilfeButton, &QPushButton::clicked, this, [this] { showHelp(); });

    auto *g = new QGridLayout(this);
    g->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    g->addWidget(ProductName, 0, 1, 1, 2);
    g->addWidget(label(this, 6031, QStringLiteral("Die Software für Katzenzüchter!")), 1, 1, 1, 2);
    g->addWidget(label(this, 6032, QStringLiteral("Version")), 2, 1);
    g->addWidget(Version, 2, 2);
    g->addWidget(Webadresse, 3, 1, 1, 2);
    g->addWidget(label(this, 6033, QStringLiteral("Register:")), 4, 1, Qt::AlignTop);
    g->addWidget(Register, 4, 2);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(HilfeButton);
    knoepfe->addWidget(OKButton);
    g->addLayout(knoepfe, 5, 1, 1, 2);
    g->setColumnStretch(2, 1);
    // data shown, not text of the program
    for (QLabel *l : {ProductName, Version, Webadresse, Register})
        l->setProperty("dataText", true);
    finishCreate();
}

TAboutBox *TAboutBox::instance()
{
    return current();
}

void registerAboutBox()
{
    shell::registerSingleWindow(QStringLiteral("aboutbox"), QSize(420, 260),
                                [] { return new TAboutBox(store::defaultDatabase()); });
}

} // namespace tav::app::ui
