// The sets page: Add Set, Remove Selected Set, Clear Sets, the coupled
// selections of the two lists, Save Sets and Load Sets.
#include "app/form1.h"

#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "widgets/controls.h"
#include "widgets/form2.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

namespace vantrelle {

void Form1::connectSetsHandlers()
{
    // The lists are pick-only views of the one sets model: a selection changes
    // only by a pick or by a handler; appending shows the last pair added, so
    // the user sees that it went in.
    Combo1->setEditable(false);
    Combo2->setEditable(false);
    Combo1->setModel(m_sets);
    Combo1->setModelColumn(SetsModel::FindColumn);
    Combo2->setModel(m_sets);
    Combo2->setModelColumn(SetsModel::ReplaceColumn);
    connect(m_sets, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int, int last) {
                const QSignalBlocker quiet1(Combo1);
                const QSignalBlocker quiet2(Combo2);
                Combo1->setCurrentIndex(last);
                Combo2->setCurrentIndex(last);
            });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton9, &QPushButton::clicked, this, [this] { PushButton9_Click(); });
    connect(PushButton10, &QPushButton::clicked, this, [this] { PushButton10_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this](int index) { Combo1_Click(index); });
    connect(Combo2, &QComboBox::activated, this, [this](int index) { Combo2_Click(index); });
}

void Form1::PushButton1_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton1_Click);
    QString text;
    QStringList pieces;
    guard.run(100, [&] {
        text = m_services.dialogs.inputBox(
            QCoreApplication::translate("vantrelle::SetsText", kAddSetPrompt),
            QCoreApplication::translate("vantrelle::SetsText", kAddSetInitialText));
    });
    if (guard.test(102, [&] { return text.isEmpty(); }))
        return;
    if (guard.test(104, [&] { return !text.contains(QLatin1String(kSetsSeparator)); })) {
        guard.run(112, [&] {
            m_services.dialogs.notice(
                QCoreApplication::translate("vantrelle::SetsText", kAddSetNoSeparator));
        });
        return;
    }
    guard.run(106, [&] { pieces = text.split(QLatin1String(kSetsSeparator)); });
    if (guard.test(106, [&] { return m_sets->room() == 0; })) {
        guard.run(106, [&] {
            m_services.dialogs.notice(
                QCoreApplication::translate("vantrelle::SetsText", kSetsFull));
        });
        return;
    }
    const SetsPairs pair{{pieces.value(0)}, {pieces.value(1)}};
    if (const QString refusal = pairsRefusal(pair, {}, EmptyFind::Allowed, matching());
        !refusal.isEmpty()) {
        guard.run(112, [&] { m_services.dialogs.notice(refusal); });
        return;
    }
    // Both texts go in as one pair, so the two lists stay equal in length.
    guard.run(108, [&] { m_sets->append(pair); });
    guard.reach(110);
}

void Form1::PushButton4_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton4_Click);
    // The two lists' selections are coupled, so the selected pair goes whole.
    guard.run(100, [&] { m_sets->removePair(Combo1->currentIndex()); });
    guard.reach(102);
}

void Form1::PushButton5_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton5_Click);
    guard.run(100, [&] { m_sets->clear(); });
    guard.reach(102);
}

void Form1::Combo1_Click(int index)
{
    if (Combo2->currentIndex() != index && index < Combo2->count())
        Combo2->setCurrentIndex(index);
}

void Form1::Combo2_Click(int index)
{
    if (Combo1->currentIndex() != index && index < Combo1->count())
        Combo1->setCurrentIndex(index);
}

void Form1::PushButton9_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton9_Click);
    FileDialogRequest request;
    QString chosen;
    guard.run(100, [&] { chosen.clear(); });
    guard.run(102, [&] { request.multiSelect = false; });
    guard.run(104, [&] { request.title = tr("Save"); });
    guard.run(106, [&] {
        request.filter = tr("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
        request.folder = m_services.settings.get(keys::LastSetsFolder, QString());
    });
    guard.run(108, [&] { chosen = m_services.dialogs.saveFile(request); });
    guard.reach(110);
    if (guard.test(112, [&] { return chosen.isEmpty(); }))
        return;
    guard.run(112, [&] {
        // Load Sets lists *.txt first: a name typed without extension gets one.
        chosen = withSetsFileExtension(chosen);
        rememberFolderOf(m_services.settings, keys::LastSetsFolder, chosen);
    });
    guard.run(114, [&] { SaveSetsToFile(m_services.dialogs, chosen, m_sets->pairs()); });
}

void Form1::PushButton10_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton10_Click);
    guard.run(100, [&] {
        // Every opening starts afresh: an empty file box, the stored separator.
        delete m_form2;
        m_form2 = nullptr;
        loadSetsDialog()->exec();
    });
}

} // namespace vantrelle
