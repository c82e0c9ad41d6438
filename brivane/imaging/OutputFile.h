#pragma once
// An output file written under a temporary name beside its final one and renamed over it only
// when complete, so that a failed save never leaves half a file or destroys the one that was
// there. Unlike QSaveFile it lets an encoder open the temporary file itself.

#include <QByteArray>
#include <QString>

#include <string>

class OutputFile {
public:
    explicit OutputFile(QString path);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the empty temporary file: a new output gets the permissions any new file gets,
    // a replaced one keeps its own.
    bool Open();
    // A name an encoder can open the temporary file by, free of the characters (%, [, :) an
    // encoder may read as instructions in a file name; "" when the system offers none.
    std::string EncoderPath() const;
    bool Write(const QByteArray& bytes);
    // Whether anything was written, by Write or by an encoder.
    bool HasData() const;
    // Puts the complete file under its final name.
    bool Commit();
    QString ErrorString() const { return error_; }

private:
    bool Fail();

    QString path_;
    QString temporary_;
    QString error_;
    int fd_ = -1;
    bool committed_ = false;
};
