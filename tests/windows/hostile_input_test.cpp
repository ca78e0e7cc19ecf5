// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"
#include "core/IniFile.h"
#include "core/StringList.h"
#include "platform/Application.h"
#include "platform/ColorDialog.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/SpeedButton.h"
#include "support/ModalAnswer.h"
#include "support/SchemeView.h"
#include "support/ShowWindow.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

constexpr qsizetype MiB = 1024 * 1024;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Every file below `folder`, hidden ones too, with its bytes: what a test
// compares to show that nothing but the file in question was touched.
QMap<QString, QByteArray> filesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The same bytes on every run, all 256 values among them.
QByteArray junk(qsizetype size, std::mt19937& generator)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

QByteArray junk(qsizetype size, unsigned seed)
{
    std::mt19937 generator(seed);
    return junk(size, generator);
}

QByteArray repeated(const QByteArray& piece, qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size + piece.size());
    while (bytes.size() < size)
        bytes += piece;
    return bytes;
}

class HostileClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startAlone(w));
        filesBefore = filesBelow(configFolder());
    }
    void TearDown() override
    {
        EXPECT_EQ(filesBelow(configFolder()), filesBefore) << "a paste touched a file";
        QGuiApplication::clipboard()->clear();
    }

    // Pastes whatever the clipboard holds and returns the text of the box it
    // brought up, if any.
    QString pasteWith(QMimeData* data)
    {
        QGuiApplication::clipboard()->setMimeData(data);
        QString shown;
        ModalAnswer answer([&](QWidget* modal) {
            shown = readBox(modal).text;
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        QTest::mouseClick(w.SBPaste, Qt::LeftButton, {}, QPoint(12, 12));
        return shown;
    }

    static QMimeData* plainText(const QByteArray& utf8)
    {
        auto* data = new QMimeData;
        data->setData(QStringLiteral("text/plain"), utf8);
        return data;
    }

    std::array<QString, 4> summaries() const
    {
        return {w.LblBGSum->caption(), w.LblTextSum->caption(), w.LblLinkSum->caption(), w.LblVlinkSum->caption()};
    }

    void pasteDesignScheme()
    {
        ASSERT_EQ(
            pasteWith(plainText(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080" VLINK="#00FFFF")")), QString());
    }

    TColor_Scan w;
    QMap<QString, QByteArray> filesBefore;
};

// A huge text ends exactly as the few characters that matter in it would.
TEST_F(HostileClipboardTest, HugeTextsEndAsTheirShortCoreWould)
{
    // Near misses of every keyword, none of them an attribute of its own.
    const QByteArray nearMisses = "<p>TEXTURE BGCOLORS #x VLINKED ALINK= LINKS data-text=\"#0\"</p>\n";
    const QByteArray scheme = R"(BGCOLOR="#123456" TEXT="#654321" LINK="#ABCDEF" VLINK="#0000FF")";
    const struct {
        const char* name;
        QByteArray text;
        QByteArray core;
    } cases[] = {
        {"16 MiB with the scheme at its far end", repeated(nearMisses, 16 * MiB) + scheme, scheme},
        {"a million #", QByteArray(1000000, '#'), ""},
        {"a keyword before a million #", "BGCOLOR=" + QByteArray(1000000, '#'), "BGCOLOR=#######"},
        {"keywords everywhere, one attribute at the end",
            repeated("BGCOLOR TEXT LINK VLINK ", 4 * MiB) + R"(vlink="#00ff00")", R"(VLINK="#00FF00")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pasteDesignScheme();
        const QString coreBox = pasteWith(plainText(c.core));
        const SchemeView coreView = SchemeView::of(w);
        pasteDesignScheme();
        EXPECT_EQ(pasteWith(plainText(c.text)), coreBox);
        EXPECT_EQ(SchemeView::of(w), coreView);
    }
    // The first case, spelt out.
    pasteWith(plainText(cases[0].text));
    EXPECT_EQ(summaries(), (std::array<QString, 4>{"123456", "654321", "ABCDEF", "0000FF"}));
    EXPECT_EQ(w.LblVLink->fontColor(), 0xFF0000) << "0000FF is pure blue, colour value FF0000";
    EXPECT_EQ(pasteWith(plainText(cases[2].text)), QStringLiteral("'$######' is not a valid integer value."));
}

TEST_F(HostileClipboardTest, TextEndsAtItsFirstNulAndBrokenUtf8IsNoValue)
{
    const struct {
        const char* name;
        QByteArray bytes;
        std::array<QString, 4> summaries;
    } cases[] = {
        {"what follows a NUL is not read",
            QByteArray(R"(BGCOLOR="#A1B2C3" )") + '\0' + R"( TEXT="#010203" LINK="#040506")",
            {"A1B2C3", "FFFFFF", "008080", "00FFFF"}},
        {"broken UTF-8 around the attributes is passed over",
            "\xff\xfe\xc3\x28 TEXT=\"#0A0B0C\" \xed\xa0\x80 \xf8\x88\x80\x80\x80 LINK=\"#0D0E0F\"\xc0",
            {"000000", "0A0B0C", "0D0E0F", "00FFFF"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SchemeView before = SchemeView::of(w);
        EXPECT_EQ(pasteWith(plainText(c.bytes)), QString());
        EXPECT_EQ(summaries(), c.summaries);
        pasteWith(plainText(R"(BGCOLOR="#000000" TEXT="#FFFFFF" LINK="#008080")"));
        ASSERT_EQ(SchemeView::of(w), before);
    }

    // Inside a value, broken UTF-8 is a value that is not hexadecimal.
    const QString box = pasteWith(plainText("LINK=\"#\xff\xfe"
                                            "3456\""));
    const QString taken = w.LblLinkSum->caption();
    EXPECT_EQ(taken.size(), 6);
    EXPECT_TRUE(taken.endsWith(QStringLiteral("3456"))) << taken.toStdString();
    EXPECT_EQ(box, QStringLiteral("'$5634%1' is not a valid integer value.").arg(taken.left(2)));
    EXPECT_EQ(w.LblLink->fontColor(), 0x808000) << "the link sample kept its teal";
}

TEST_F(HostileClipboardTest, PictureAndOtherFormatsWithoutPlainTextChangeNothing)
{
    const SchemeView before = SchemeView::of(w);
    auto* data = new QMimeData;
    QImage picture(2048, 2048, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    data->setImageData(picture);
    data->setData(QStringLiteral("application/octet-stream"), junk(MiB, 7));
    // The reader takes plain text only, whatever the other formats say.
    data->setHtml(QStringLiteral(R"(<body bgcolor="#FFFFFF">)"));
    EXPECT_EQ(pasteWith(data), QString());
    EXPECT_EQ(SchemeView::of(w), before);
}

// Answers an open or save dialog with a name typed in full, and any error
// box with OK.
class FileAnswer {
public:
    explicit FileAnswer(const QString& name)
        : answer_([this, name](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                error_ = readBox(modal).text;
                ModalAnswer::pressButton(modal, QStringLiteral("OK"));
                return;
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            for (QAbstractButton* button : buttons->buttons()) {
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    button->click();
            }
        })
    {}
    QString error() const { return error_; }

private:
    QString error_;
    ModalAnswer answer_;
};

class HostileColorFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startAlone(w)); }

    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    TStringList& list() { return w.ColorDlg->customColors(); }

    QString open(const QString& file)
    {
        FileAnswer answer(file);
        EXPECT_TRUE(chooseFromMenu(w, Qt::Key_F, Qt::Key_O));
        return answer.error();
    }
    QString saveAs(const QString& file)
    {
        FileAnswer answer(file);
        EXPECT_TRUE(chooseFromMenu(w, Qt::Key_F, Qt::Key_A));
        return answer.error();
    }

    QTemporaryDir folder;
    TColor_Scan w;
};

TEST_F(HostileColorFileTest, TenMebibyteFileOpensFeedsTheDialogAndSavesWhole)
{
    // Names near the sixteen but none of them, and box 1's entry at the far end.
    QByteArray file;
    std::mt19937 generator(3);
    for (int i = 0; file.size() < 10 * MiB; ++i) {
        QByteArray line = junk(35, generator).toHex().left(40 + i % 30);
        line.replace('0', '=');
        file += (i % 3 == 0 ? "ColorQ=" : i % 3 == 1 ? "ColorAA" : "") + line + "\r\n";
    }
    file += "colora=123456\r\n";
    writeFile(path("big.clr"), file);

    ASSERT_EQ(open(path("big.clr")), QString());
    ASSERT_EQ(list().count(), file.count("\r\n"));
    EXPECT_EQ(list()[list().count() - 1], QStringLiteral("colora=123456"));

    // OK in the colour dialog rewrites box 1's line where it stands and appends the rest.
    QColor firstBox;
    {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr) << readBox(modal).text.toStdString();
            firstBox = QColorDialog::customColor(0);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QTest::mouseClick(w.ColorPanel, Qt::LeftButton, {}, QPoint(10, 120));
        ASSERT_TRUE(answer.answered()) << "no dialog came up";
    }
    EXPECT_EQ(firstBox, QColor(0x56, 0x34, 0x12)) << "colour value 123456 is blue 12, green 34, red 56";

    ASSERT_EQ(saveAs(path("copy.clr")), QString());
    QByteArray expected = file;
    expected.replace("colora=123456\r\n", "ColorA=123456\r\n");
    for (int box = 1; box < 16; ++box)
        expected += "Color" + QByteArray(1, static_cast<char>('A' + box)) + "=FFFFFFFF\r\n";
    EXPECT_TRUE(readFile(path("copy.clr")) == expected) << "a line other than the sixteen entries changed";
    EXPECT_TRUE(readFile(path("big.clr")) == file) << "the opened file was touched";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"big.clr", "copy.clr"}));
}

TEST_F(HostileColorFileTest, TenMebibyteLineOfBinaryJunkIsOneLineUpToItsNul)
{
    QByteArray line = junk(10 * MiB, 11);
    for (char& byte : line) {
        if (byte == '\r' || byte == '\n' || byte == '\0')
            byte = '=';
    }
    writeFile(path("junk.clr"), line + '\0' + "ColorA=000000\r\n");

    ASSERT_EQ(open(path("junk.clr")), QString());
    ASSERT_EQ(list().count(), 1);
    ASSERT_EQ(saveAs(path("saved.clr")), QString());
    EXPECT_TRUE(readFile(path("saved.clr")) == line + "\r\n") << "the line did not survive byte for byte";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"junk.clr", "saved.clr"}));
}

class HostileSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(settingsPath());
        writeFile(configFolder() + QStringLiteral("/Other.ini"), "[Colors]\nBGCOLOR=not ours\n");
        othersBefore = filesBelow(configFolder());
    }
    void TearDown() override
    {
        Application->Reset();
        QMap<QString, QByteArray> othersAfter = filesBelow(configFolder());
        EXPECT_TRUE(othersAfter.remove(QStringLiteral("Huewise.ini")) == 1) << "no settings file was written";
        EXPECT_EQ(othersAfter.keys(), othersBefore.keys()) << "a file other than the settings file was left";
        EXPECT_TRUE(othersAfter == othersBefore) << "a file other than the settings file was changed";
        QFile::remove(settingsPath());
        QFile::remove(configFolder() + QStringLiteral("/Other.ini"));
    }

    static QString settingsPath() { return TIniFile(QStringLiteral("Huewise.ini")).path(); }

    // Starts the program and closes its main window, answering any box.
    QStringList startAndClose()
    {
        QStringList boxes;
        ModalAnswer answer([&](QWidget* modal) {
            boxes << readBox(modal).text;
            ModalAnswer::pressButton(modal, QStringLiteral("OK"));
        });
        createProgramWindows(*Application);
        EXPECT_NE(Color_Scan, nullptr);
        if (!Color_Scan)
            return boxes;
        loaded = SchemeView::of(*Color_Scan);
        Color_Scan->close();
        EXPECT_TRUE(Application->terminated());
        return boxes;
    }

    SchemeView loaded;
    QMap<QString, QByteArray> othersBefore;
};

TEST_F(HostileSettingsTest, HundredThousandCharacterLinesAreReadAndKept)
{
    const QByteArray longOther(100000, 'x');
    writeFile(
        settingsPath(), "[Colors]\nBGCOLOR=123456" + QByteArray(100000, 'Z') + "\n[Mine]\nLong=" + longOther + "\n");

    EXPECT_EQ(startAndClose(), QStringList());
    // The reader takes the first six characters and shows them.
    EXPECT_EQ(loaded.summaries[0], QStringLiteral("123456"));
    EXPECT_EQ(loaded.tile, 0x563412);
    EXPECT_TRUE(readFile(settingsPath())
        == "[Colors]\nBGCOLOR=123456\nTEXT=FFFFFF\nLINK=008080\nVLINK=00FFFF\n[Mine]\nLong=" + longOther
            + "\n[Options]\nHints=1\nToolBar=1\nSaveSettings=1\n[General]\nX=0\nY=0\n")
        << "the other long line did not survive";
}

TEST_F(HostileSettingsTest, BinaryJunkIsPassedOverAndWrittenBackAsItWas)
{
    const QByteArray before = junk(64 * 1024, 1);
    const QByteArray after = junk(64 * 1024, 2);
    const struct {
        const char* name;
        QByteArray file;
        const char* background;
        QByteArray keptAtStart;
        QByteArray keptInside;
    } cases[] = {
        {"junk around the keys", before + "\n[Colors]\nBGCOLOR=123456\n[Junk]\n" + after, "123456",
            before + "\n[Colors]\n", "\n[Junk]\n" + after},
        {"nothing but junk", before, "000000", before, before},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(settingsPath(), c.file);
        EXPECT_EQ(startAndClose(), QStringList());
        EXPECT_EQ(loaded.summaries[0], QLatin1String(c.background));
        EXPECT_EQ(loaded.summaries[3], QStringLiteral("00FFFF"));

        const QByteArray written = readFile(settingsPath());
        EXPECT_TRUE(written.startsWith(c.keptAtStart)) << "the junk before the keys changed";
        EXPECT_TRUE(written.contains(c.keptInside)) << "the junk after the keys changed";
        const TIniFile ini(QStringLiteral("Huewise.ini"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Colors"), QStringLiteral("BGCOLOR"), QString()),
            QLatin1String(c.background));
        EXPECT_EQ(
            ini.ReadString(QStringLiteral("Colors"), QStringLiteral("VLINK"), QString()), QStringLiteral("00FFFF"));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("General"), QStringLiteral("Y"), -1), 0);
        Application->Reset();
    }
}

} // namespace
