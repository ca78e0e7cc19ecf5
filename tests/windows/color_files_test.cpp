// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StringList.h"
#include "platform/Application.h"
#include "platform/ColorDialog.h"
#include "support/ModalAnswer.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class ColorFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAlone(w)); }

    QString file(const char* name) const { return folder.filePath(QLatin1String(name)); }
    TStringList& list() { return w.ColorDlg->customColors(); }

    void chooseFromFileMenu(Qt::Key accessKey) { ASSERT_TRUE(chooseFromMenu(w, Qt::Key_F, accessKey)); }

    // Runs a File menu item; a file dialog gets `name` typed and Enter, or
    // Escape when `name` is empty; an error box is read and answered OK.
    struct Seen {
        bool fileDialog = false;
        QString offered;
        ShownBox error;
    };
    Seen run(Qt::Key item, const QString& name = QString())
    {
        Seen seen;
        ModalAnswer answer([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                seen.fileDialog = true;
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                seen.offered = edit->text();
                auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
                if (name.isEmpty()) {
                    buttons->button(QDialogButtonBox::Cancel)->click();
                    return;
                }
                // Typed in full; the completer's popup would take a typed Return.
                edit->setText(name);
                for (QAbstractButton* button : buttons->buttons()) {
                    if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                        button->click();
                }
                return;
            }
            seen.error = readBox(modal);
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        chooseFromFileMenu(item);
        return seen;
    }

    QTemporaryDir folder;
    TColor_Scan w;
};

TEST_F(ColorFilesTest, SaveStraightAfterStartWritesTheThreeStartLines)
{
    const Seen seen = run(Qt::Key_S, file("first"));
    EXPECT_TRUE(seen.fileDialog) << "with no file opened, Save asks for a name";
    EXPECT_EQ(readFile(file("first.clr")), QByteArray("$FFFFFF\r\n$FF00FF\r\n$00FF00\r\n"));
    EXPECT_EQ(readFile(file("first.clr")).size(), 27);
    // Still no file opened: the next Save asks again, offering the last name.
    const Seen again = run(Qt::Key_S);
    EXPECT_TRUE(again.fileDialog);
    EXPECT_TRUE(again.offered.startsWith(QStringLiteral("first"))) << again.offered.toStdString();
}

TEST_F(ColorFilesTest, NewThenSaveWritesAnEmptyFile)
{
    run(Qt::Key_N);
    EXPECT_EQ(list().count(), 0);
    run(Qt::Key_A, file("empty.clr"));
    EXPECT_EQ(readFile(file("empty.clr")), QByteArray());
}

TEST_F(ColorFilesTest, LineFeedFileLoadsAndSavesWithCarriageReturns)
{
    writeFile(file("unix.clr"), "ColorA=0000FF\n$junk\ncolorb=ff");
    run(Qt::Key_O, file("unix.clr"));
    EXPECT_EQ(list().lines(), (QStringList{"ColorA=0000FF", "$junk", "colorb=ff"}));
    run(Qt::Key_S);
    EXPECT_EQ(readFile(file("unix.clr")), QByteArray("ColorA=0000FF\r\n$junk\r\ncolorb=ff\r\n"));
}

TEST_F(ColorFilesTest, SaveGoesToTheOpenedFileNotTheSaveAsOne)
{
    writeFile(file("a.clr"), "ColorA=000001\r\n");
    run(Qt::Key_O, file("a.clr"));
    run(Qt::Key_A, file("b.clr"));
    EXPECT_EQ(readFile(file("b.clr")), QByteArray("ColorA=000001\r\n"));
    list().add(QStringLiteral("ColorB=000002"));
    const Seen seen = run(Qt::Key_S);
    EXPECT_FALSE(seen.fileDialog) << "Save asked although a file was opened";
    EXPECT_EQ(readFile(file("a.clr")), QByteArray("ColorA=000001\r\nColorB=000002\r\n"));
    EXPECT_EQ(readFile(file("b.clr")), QByteArray("ColorA=000001\r\n"));

    // Cancel in the open dialog changes nothing, and Save still goes to a.clr.
    run(Qt::Key_O);
    list().add(QStringLiteral("ColorC=000003"));
    run(Qt::Key_S);
    EXPECT_EQ(readFile(file("a.clr")), QByteArray("ColorA=000001\r\nColorB=000002\r\nColorC=000003\r\n"));
}

TEST_F(ColorFilesTest, OpeningAMissingFileSaysSoAndALaterSaveCreatesIt)
{
    const QStringList before = list().lines();
    const Seen seen = run(Qt::Key_O, file("missing.clr"));
    EXPECT_EQ(seen.error.text, QStringLiteral("Cannot open file %1.").arg(file("missing.clr")));
    EXPECT_EQ(list().lines(), before);
    run(Qt::Key_S);
    EXPECT_EQ(readFile(file("missing.clr")), QByteArray("$FFFFFF\r\n$FF00FF\r\n$00FF00\r\n"));
}

TEST_F(ColorFilesTest, FileThatCannotBeCreatedSaysSoAndChangesNothing)
{
    writeFile(file("plain"), "a regular file");
    const QString below = file("plain") + QStringLiteral("/scheme.clr");
    // The file dialog cannot even go there, so the write is run as Save runs it.
    ShownBox box;
    ModalAnswer answer([&](QWidget* modal) {
        box = readBox(modal);
        ModalAnswer::pressButton(modal, QStringLiteral("OK"));
    });
    Application->dispatch([&] { list().SaveToFile(below); });
    EXPECT_EQ(box.text, QStringLiteral("Cannot create file %1.").arg(below));
    EXPECT_EQ(list().count(), 3);
}

} // namespace
