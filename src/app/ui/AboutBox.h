// AboutBox: the information window (TAboutBox): program, version, web address, register.
#pragma once

#include "widgets/ChildWindow.h"

class QLabel;
class QPushButton;

namespace tav::store {
class Database;
}

namespace tav::app::ui {

class TAboutBox : public widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TAboutBox(tav::store::Database *db, QWidget *parent = nullptr);
    static TAboutBox *instance();

    QLabel *ProductName, *Version, *Webadresse, *Register;
    QPushButton *OKButton, *HilfeButton;
};

// The program's version (the build's project version).
QString programmVersion();

void registerAboutBox();

} // namespace tav::app::ui
