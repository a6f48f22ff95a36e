#pragma once

#include "DataSource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

class QButtonGroup;

namespace tav::widgets {

// Text of a date as the program writes it (dd.MM.yyyy); empty for a null date.
QString germanDateText(const QDate &d);
// Reads a typed date (tav::app::eingabeDatum). Empty text is a valid empty date; *ok is false for
// anything else that is not a date.
QDate parseGermanDate(const QString &text, bool *ok);

class DBEdit : public QLineEdit, public DataControl
{
    Q_OBJECT
  public:
    explicit DBEdit(QWidget *parent = nullptr);
    DBEdit(DataSource *source, const QString &field, QWidget *parent = nullptr);
    void readField() override;
    bool commit() override;

  protected:
    QWidget *widget() override { return this; }

  private:
    void edited(const QString &text);
    void applyField();
    bool m_invalidNumber = false;
};

class DBMemo : public QPlainTextEdit, public DataControl
{
    Q_OBJECT
  public:
    explicit DBMemo(QWidget *parent = nullptr);
    DBMemo(DataSource *source, const QString &field, QWidget *parent = nullptr);
    void readField() override;

  protected:
    QWidget *widget() override { return this; }
};

// A check box over a boolean field, or over any field with the two values given.
class DBCheckBox : public QCheckBox, public DataControl
{
    Q_OBJECT
  public:
    explicit DBCheckBox(QWidget *parent = nullptr);
    DBCheckBox(const QString &text, DataSource *source, const QString &field, QWidget *parent = nullptr);
    void setValues(const QVariant &checked, const QVariant &unchecked);
    void readField() override;

  protected:
    QWidget *widget() override { return this; }

  private:
    QVariant m_checked = true, m_unchecked = false;
};

// A radio group: one radio button per item, each standing for a value of the field.
class DBRadioGroup : public QGroupBox, public DataControl
{
    Q_OBJECT
  public:
    explicit DBRadioGroup(QWidget *parent = nullptr);
    DBRadioGroup(const QString &title, DataSource *source, const QString &field, QWidget *parent = nullptr);
    // replaces the items; `values` defaults to the item texts
    void setItems(const QStringList &items, const QVariantList &values = {});
    int itemIndex() const;
    void readField() override;

  private:
    QWidget *widget() override { return this; }
    QButtonGroup *m_group;
    QVariantList m_values;
};

// A combo box whose text (or, with values set, the value of the chosen item) is the field's value.
class DBComboBox : public QComboBox, public DataControl
{
    Q_OBJECT
  public:
    explicit DBComboBox(QWidget *parent = nullptr);
    DBComboBox(DataSource *source, const QString &field, QWidget *parent = nullptr);
    void setItemValues(const QVariantList &values);
    void readField() override;

  protected:
    QWidget *widget() override { return this; }

  private:
    void chosen(int index);
    QVariantList m_values;
};

// The field holds a key of a list table; the box shows that key's display field.
class DBLookupComboBox : public QComboBox, public DataControl
{
    Q_OBJECT
  public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);
    // `list` must be open; its records are listed in its index order
    void setList(tav::store::Table *list, const QString &keyField, const QString &displayField);
    // What a record of the list shows instead of its display field (read again on a language switch).
    void setDisplay(std::function<QString(tav::store::Table &)> display);
    // reads the list again (after it changed)
    void reloadList();
    void readField() override;

  protected:
    QWidget *widget() override { return this; }
    void changeEvent(QEvent *e) override;

  private:
    void chosen(int index);
    QPointer<tav::store::Table> m_list;
    QString m_keyField, m_displayField;
    std::function<QString(tav::store::Table &)> m_display;
};

// A date in the German form dd.mm.yyyy. An invalid date is refused when the record is posted: the
// user is told, the text stays and so does the rest of the record's input.
class DBDateEdit : public QLineEdit, public DataControl
{
    Q_OBJECT
  public:
    explicit DBDateEdit(QWidget *parent = nullptr);
    DBDateEdit(DataSource *source, const QString &field, QWidget *parent = nullptr);
    void readField() override;
    bool commit() override;
    bool hasValidDate() const;

  protected:
    QWidget *widget() override { return this; }
    void changeEvent(QEvent *e) override;

  private:
    void edited(const QString &text);
};

// Shows a picture: from a graphic field, or from the file whose path a text field holds.
class DBImage : public QLabel, public DataControl
{
    Q_OBJECT
  public:
    explicit DBImage(QWidget *parent = nullptr);
    DBImage(DataSource *source, const QString &field, QWidget *parent = nullptr);
    void setStretch(bool on);
    // relative paths are taken from this directory
    void setBaseDirectory(const QString &dir) { m_baseDir = dir; }
    void readField() override;
    bool hasPicture() const { return !m_image.isNull(); }

  protected:
    QWidget *widget() override { return this; }
    void resizeEvent(QResizeEvent *e) override;

  private:
    void showImage();
    QImage m_image;
    bool m_stretch = true;
    QString m_baseDir;
};

} // namespace tav::widgets
