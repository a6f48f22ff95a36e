#pragma once

#include <QWidget>

class QPushButton;

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

// The breeding value page of the cat record window: four judged groups with their texts and points,
// and the sum of the points.
class CatRecordBreedingValuePage : public QWidget
{
    Q_OBJECT
  public:
    CatRecordBreedingValuePage(tav::widgets::DataSource *zuchtwert, QPushButton *hilfe,
                               QWidget *parent = nullptr);
};

} // namespace tav::cats::ui
