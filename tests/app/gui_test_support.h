// Support for the GUI tests: the Qt application on the offscreen platform, scripted answers
// for message boxes and file dialogs, and a main window started on a temporary profile.
#pragma once

#include "main_window.h"
#include "prompts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace murcad::app::testing {

/// Creates the one QApplication before the first test (offscreen unless a platform is set).
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance())
            return;
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_app";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv); // lives until the process ends
    }
};

/// Answers the program's questions from the test and records what was asked.
class ScriptedPrompts : public Prompts {
public:
    std::vector<QString> warnings;
    std::vector<QString> questionTitles;
    std::vector<QString> questions;
    std::function<bool(const QString &question)> answer = [](const QString &) { return false; };
    QString openAnswer;
    QString saveAnswer;
    std::vector<QString> saveTitles;
    std::vector<QString> saveProposals;
    SaveChoice saveChanges = SaveChoice::Discard;
    std::vector<QString> saveChangesQuestions;

    void warn(QWidget *, const QString &, const QString &text) override {
        warnings.push_back(text);
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text, bool) override {
        questionTitles.push_back(title);
        questions.push_back(text);
        return answer(text);
    }
    SaveChoice askSaveChanges(QWidget *, const QString &title, const QString &text) override {
        questionTitles.push_back(title);
        saveChangesQuestions.push_back(text);
        return saveChanges;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return openAnswer;
    }
    QString saveFileName(QWidget *, const QString &title, const QString &proposed, const QString &,
                         const QString &, bool) override {
        saveTitles.push_back(title);
        saveProposals.push_back(proposed);
        return saveAnswer;
    }
};

inline std::string examplePath(const char *name) {
    return std::string(MURCAD_EXAMPLES_DIR) + "/" + name;
}

/// The folder of the DXF templates in the source tree.
inline std::string templatesFolder() {
    return std::string(MURCAD_EXAMPLES_DIR) + "/../data";
}

/// A main window on a temporary profile folder, shown at a fixed size.
struct WindowUnderTest {
    QTemporaryDir profile;
    ScriptedPrompts *prompts = nullptr;
    std::unique_ptr<MainWindow> window;

    explicit WindowUnderTest(const QString &commandLine = {}) {
        StartupOptions o;
        o.commandLine = commandLine;
        o.profileFolder = profile.path().toStdString();
        o.hostFolder = templatesFolder();
        o.usePlacementStore = false;
        o.recentFilesStore = profile.filePath("recent.ini");
        o.userProfileFile = profile.filePath("preferenze.ini").toStdString();
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        window = std::make_unique<MainWindow>(o, std::move(p));
        window->resize(1200, 800);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        QApplication::processEvents();
    }
    ~WindowUnderTest() {
        prompts->answer = [](const QString &) { return false; };
        prompts->saveChanges = SaveChoice::Discard;
        window->close();
    }
    MainWindow *operator->() { return window.get(); }
};

} // namespace murcad::app::testing
