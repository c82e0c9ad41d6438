#pragma once
// The program's icons, addressed by resource number. They are scalable drawings, so one icon
// serves every size a button asks for.

#include <QIcon>
#include <QPixmap>

#include <span>
#include <string_view>

struct IconEntry {
    int id;
    std::string_view file;  // path inside the resource file system
};

// Every icon the program ships.
std::span<const IconEntry> IconTable();

// The icon of resource `id`; a null icon when there is none.
QIcon LoadResIcon(int id);
// The icon drawn at size x size pixels.
QPixmap LoadResIconPixmap(int id, int size);
