#pragma once
// A chart session with its entry form on screen, and the few steps every window
// test takes: find a control by name, type, pick, click.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "tests/desktop/ui/recording_sink.h"
#include "tests/desktop/ui/scripted_dialogs.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/entry/frm_main.h"
#include "desktop/ui/chart/mdi.h"

namespace grahavani::test {

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        session.ShowEntryForm();
        QApplication::setActiveWindow(&session.EntryForm());
    }
    ~SessionTest() override {
        session.UnloadForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Widget>
    Widget* Find(QWidget* window, const QString& name) {
        auto* widget = window->findChild<Widget*>(name);
        if (!widget) ADD_FAILURE() << "no control named " << name.toStdString();
        return widget;
    }
    template <typename Widget>
    Widget* OnForm(const QString& name) { return Find<Widget>(&session.EntryForm(), name); }
    template <typename Widget>
    Widget* OnMainWindow(const QString& name) {
        if (!session.MainWindow()) {
            ADD_FAILURE() << "no main window";
            return nullptr;
        }
        return Find<Widget>(session.MainWindow(), name);
    }
    QString Text(const QString& labelName);

    void Type(const QString& box, const QString& text) { OnForm<QLineEdit>(box)->setText(text); }
    void Pick(const QString& list, const QString& entry);
    void Click(const QString& button) {
        QTest::mouseClick(OnForm<QPushButton>(button), Qt::LeftButton);
    }
    void ClickOnMainWindow(const QString& button) {
        QTest::mouseClick(OnMainWindow<QPushButton>(button), Qt::LeftButton);
    }
    // Types into the City box and chooses the first place the atlas offers.
    void ChooseFromAtlas(const QString& typed);
    // Midnight at the start of 15 August 1947 in New Delhi, Indian time.
    void EnterDelhi1947();

    RecordingSink messages;
    ScriptedDialogs dialogs;
    QTemporaryDir settingsFolder;
    QSettings settings{settingsFolder.filePath("grahavani.ini"), QSettings::IniFormat};
    ChartSession session{messages, dialogs, settings};
};

}  // namespace grahavani::test
