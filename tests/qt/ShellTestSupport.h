// Test doubles for the main window's tests: a small editor view over one image
// byte, and a prompter that answers from a script.
#pragma once

#include "app/AppContext.h"
#include "app/qt/BaseFormView.h"
#include "app/qt/Prompter.h"

#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <set>
#include <vector>

namespace vmr::test {

// Shows image[offset] as a number; counts its image operations.
class ByteView : public CBaseFormView {
public:
    ByteView(RadioImage& image, std::size_t offset, int formId)
        : CBaseFormView(formId), image_(image), offset_(offset), edit(new QLineEdit(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
    }
    void RefreshFromImage() override {
        ++refreshes;
        edit->setText(QString::number(image_[offset_]));
    }
    void CommitToImage() override {
        ++commits;
        image_[offset_] = static_cast<std::uint8_t>(edit->text().toInt());
    }
    bool HandleCommand(int id) override {
        if (!handles.count(id)) return false;
        handled.push_back(id);
        return true;
    }

    int refreshes = 0;
    int commits = 0;
    std::set<int> handles;
    std::vector<int> handled;

private:
    RadioImage& image_;
    std::size_t offset_;

public:
    QLineEdit* edit;
};

class ScriptedPrompter : public Prompter {
public:
    Answer Ask(QWidget*, const QString& caption, const QString& text, bool withCancel) override {
        asked.push_back(caption + "|" + text);
        askedWithCancel = withCancel;
        return answer;
    }
    void Tell(QWidget*, const QString& caption, const QString& text) override {
        told.push_back(caption + "|" + text);
    }
    QString OpenFileName(QWidget*, const QString& dir) override {
        openDirs.push_back(dir);
        return openPath;
    }
    QString SaveFileName(QWidget*, const QString& dir, const QString& proposed) override {
        saveProposals.push_back(proposed);
        saveDirs.push_back(dir);
        return savePath;
    }

    Answer answer = Answer::Yes;
    bool askedWithCancel = false;
    QString openPath, savePath;
    QStringList asked, told, openDirs, saveDirs, saveProposals;
};

// Settings of a program whose folders are dir, on the built Default.dat.
inline void UseTestFolder(AppContext& ctx, const QTemporaryDir& dir) {
    const std::string d = dir.path().toStdString();
    ctx.settings.AppDir = d + "/";
    ctx.settings.DataDir = d;
    ctx.settings.ModelName = "VMR-417";
    ctx.settings.DefaultDataPath = std::string(VMR_BIN_DIR) + "/Default.dat";
    ctx.ini.SetPath(d + "/Program.ini");
}

} // namespace vmr::test
