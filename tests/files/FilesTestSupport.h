#pragma once

#include "raster/CanvasImage.h"
#include "support/CanvasColours.h"
#include "support/FileSizeLimit.h"
#include "support/FormFixture.h"
#include "support/PermissionsBite.h"
#include "support/TestPicture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray asQBytes(const bmp::Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

inline bool writeFile(const QString& path, const bmp::Bytes& bytes)
{
    return writeFile(path, asQBytes(bytes));
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A started form and a temporary folder to put pictures in.
class FilesFixture : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(start());
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Writes the picture and opens it through the open button's dialog.
    void openPicture(const TestPicture& picture, const QString& name = QStringLiteral("picture.bmp"))
    {
        ASSERT_TRUE(writeFile(path(name), picture.bytes()));
        platform.answerFileDialog(path(name));
        form->Command2_Click();
        ASSERT_EQ(form->PictureLoaded, 1);
    }

    CanvasImage& canvas() { return form->Picture1->image(); }

    QTemporaryDir dir;
};
