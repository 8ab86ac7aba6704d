#pragma once
// Form2, the "Load Sets" dialog: a file and a separator; Load appends the
// file's pairs to the sets lists.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vantrelle {

class Dialogs;
class PushButton;
class SettingsStore;

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(Dialogs &dialogs, SettingsStore &settings, QComboBox *findList, QComboBox *replaceList,
          QWidget *parent = nullptr);

    void Form_Load();

    QLineEdit *Text1 = nullptr; // the file to load
    QLineEdit *Text2 = nullptr; // the separator

private:
    Dialogs &m_dialogs;
    SettingsStore &m_settings;
    QComboBox *m_findList;
    QComboBox *m_replaceList;
};

} // namespace vantrelle
