#pragma once

#include "data/SealedCopyFormat.h"

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace giudizi {

// One file that goes into a sealed copy: its name there and where its bytes are now.
struct SealedFile {
    QString name;
    QString path;
};

// Where the files of a copy go as they are read, one authenticated chunk at a
// time. A false return, with the reason in *error, stops the reading.
class UnsealSink {
public:
    virtual ~UnsealSink() = default;
    virtual bool begin(const QString& name, QString* error) = 0;
    virtual bool write(const char* data, int size, QString* error) = 0;
};

// Keeps each file of a copy in memory: for small copies only (tests, fuzzing).
class MemorySink : public UnsealSink {
public:
    QStringList names;
    QList<QByteArray> contents;
    bool begin(const QString& name, QString* error) override;
    bool write(const char* data, int size, QString* error) override;
};

// Writes the whole copy (header, then the files in 64 KiB chunks, then the
// final chunk) to `out` with a key already derived from `header`; false with
// an Italian reason in *error (a file that cannot be read, a bad name, a
// write that fails).
bool sealWithKey(const QList<SealedFile>& files, const SealKey& key, const SealHeader& header,
                 QIODevice& out, QString* error);

// Reads a whole copy from `in` with a key already derived and hands its files
// to `sink`. False with sealDamagedMessage() in *error for anything but a
// whole, unchanged copy under that key (the sink may have received the
// chunks before the damage), or with the sink's own reason.
bool unsealWithKey(QIODevice& in, const SealKey& key, UnsealSink& sink, QString* error);

} // namespace giudizi
