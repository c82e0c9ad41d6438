#include "profile/IniFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

bool EnclosedInQuotes(std::string_view s)
{
    return s.size() >= 2 && IsQuote(s.front()) && s.back() == s.front();
}

// The section name of a header line "[name]", or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

bool IsComment(std::string_view trimmed)
{
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The key of a "key=value" line, or nullopt for any other line.
std::optional<std::string_view> KeyName(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (IsComment(trimmed))
        return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string DecodeValue(std::string_view line)
{
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    if (EnclosedInQuotes(v))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string EncodeValue(std::string_view v)
{
    v = v.substr(0, v.find_first_of(std::string_view("\r\n\0", 3)));
    const bool quote = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) || EnclosedInQuotes(v));
    return quote ? "\"" + std::string(v) + "\"" : std::string(v);
}

// Closes a file descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool IniFile::Read(const fs::path& file)
{
    Parse({});
    std::error_code ec;
    if (!fs::exists(file, ec))
        return !ec;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return false;
    Parse(text);
    return true;
}

void IniFile::Parse(std::string_view text)
{
    lines_.clear();
    bom_ = text.starts_with(kBom);
    if (bom_)
        text.remove_prefix(kBom.size());
    crlf_ = false;
    bool first = true;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
            if (first)
                crlf_ = true;
        }
        first = false;
        lines_.emplace_back(line);
    }
}

std::size_t IniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && EqualNoCase(*name, section))
            return i;
    }
    return std::string::npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i]))
        ++i;
    return i;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const
{
    const std::size_t header = FindSection(section);
    if (header == std::string::npos)
        return std::nullopt;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && EqualNoCase(*name, key))
            return DecodeValue(lines_[i]);
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + EncodeValue(value);
    std::size_t header = FindSection(section);
    if (header == std::string::npos) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    const std::size_t end = SectionEnd(header);
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && EqualNoCase(*name, key)) {
            lines_[i] = std::move(line);
            return;
        }
        if (!Trim(lines_[i]).empty())
            insertAt = i + 1;  // new keys go after the section's last non-blank line
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

std::string IniFile::Text() const
{
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string text = bom_ ? std::string(kBom) : std::string();
    for (const std::string& line : lines_) {
        text += line;
        text += eol;
    }
    return text;
}

bool IniFile::WriteFileAtomically(const fs::path& file, std::string_view text)
{
    std::error_code ec;
    fs::path target = file;
    // Replace the file a symbolic link points to, not the link.
    if (fs::is_symlink(file, ec)) {
        const fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec)
            target = resolved;
    }
    fs::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";
    fs::create_directories(dir, ec);
    if (ec)
        return false;

    std::string temp = (dir / (target.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(temp.data()));  // created with mode 0600
    if (fd.get() < 0)
        return false;
    const bool written = ::fchmod(fd.get(), S_IRUSR | S_IWUSR) == 0 && WriteAll(fd.get(), text) &&
                         ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; the new file is complete either way.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0)
        ::fsync(dirFd.get());
    return true;
}
