#pragma once
// Whether writing to one path would replace another file: the same file after resolving links,
// "." and "..", or, when both exist, the same device and inode (hard links, bind mounts).

#include <QString>

namespace brivane {

bool IsSameFile(const QString& a, const QString& b);

}  // namespace brivane
