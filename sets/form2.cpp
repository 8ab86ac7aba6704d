#include "form2.h"

#include "app/shell/settings.h"

#include <QLineEdit>

namespace vantrelle {

Form2::Form2(Dialogs &dialogs, SettingsStore &settings, QComboBox *findList,
             QComboBox *replaceList, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_settings(settings), m_findList(findList),
      m_replaceList(replaceList)
{
    setWindowTitle(QStringLiteral("Load Sets"));
    Text1 = new QLineEdit(this);
    Text2 = new QLineEdit(this);
}

void Form2::Form_Load()
{
    Text2->setText(m_settings.get(keys::Form2Text2, QStringLiteral("::")));
}

} // namespace vantrelle
