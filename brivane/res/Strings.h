#pragma once
// The program's string table.

#include <QString>

// The string of resource `id`, or "" when there is none.
QString LoadResString(int id);
