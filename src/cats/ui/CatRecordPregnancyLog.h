#pragma once

#include "CatRecordLogSheet.h"

namespace tav::cats::ui {

// The pregnancy log of a queen on the medical page of the cat record window: one row at a time
// with its navigator, the date she is pregnant since and two notes.
class CatRecordPregnancyLog : public CatRecordLogSheet
{
    Q_OBJECT
  public:
    CatRecordPregnancyLog(tav::widgets::DataSource *schwanger, std::function<int()> aktuelleKatze,
                          QPushButton *hilfe, QWidget *parent = nullptr);
};

} // namespace tav::cats::ui
