#include "res/Icons.h"
#include "res/ResourceIds.h"

namespace {

using namespace res;

constexpr IconEntry kIcons[] = {
    {IDI_APP, ":/brivane/icons/app.svg"},
    {IDI_LIST_ROW, ":/brivane/icons/image-file.svg"},
    {IDI_BROWSE, ":/brivane/icons/browse.svg"},
    {IDI_ADD_FILES, ":/brivane/icons/add-files.svg"},
    {IDI_ADD_FOLDER, ":/brivane/icons/add-folder.svg"},
    {IDI_CONVERT, ":/brivane/icons/convert.svg"},
    {IDI_REMOVE_ALL, ":/brivane/icons/remove-all.svg"},
    {IDI_REMOVE, ":/brivane/icons/remove.svg"},
    {IDI_OPTION, ":/brivane/icons/option.svg"},
    {IDI_ENCODER, ":/brivane/icons/encoder.svg"},
    {IDI_OK, ":/brivane/icons/ok.svg"},
    {IDI_CANCEL, ":/brivane/icons/cancel.svg"},
    {IDI_RESIZE, ":/brivane/icons/resize.svg"},
    {IDI_BMP, ":/brivane/icons/format-bmp.svg"},
    {IDI_JPEG, ":/brivane/icons/format-jpeg.svg"},
    {IDI_TIFF, ":/brivane/icons/format-tiff.svg"},
    {IDI_PDF, ":/brivane/icons/format-pdf.svg"},
    {IDI_GIF, ":/brivane/icons/format-gif.svg"},
};

}  // namespace

std::span<const IconEntry> IconTable() { return kIcons; }

QIcon LoadResIcon(int id)
{
    for (const auto& entry : kIcons) {
        if (entry.id == id)
            return QIcon(QString::fromLatin1(entry.file.data(), static_cast<qsizetype>(entry.file.size())));
    }
    return {};
}

QPixmap LoadResIconPixmap(int id, int size)
{
    const QIcon icon = LoadResIcon(id);
    return icon.isNull() ? QPixmap() : icon.pixmap(size, size);
}
