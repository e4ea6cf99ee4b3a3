#pragma once

#include "TestPicture.h"
#include "raster/CanvasImage.h"
#include "support/CanvasColours.h"
#include "support/FormFixture.h"
#include "support/PermissionsBite.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <vector>

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
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

// Writes past `bytes` fail as on a full disk, while the guard lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        if (m_set) {
            rlimit limit = m_old;
            limit.rlim_cur = bytes;
            m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (m_set) setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool works() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_set = false;
};

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
