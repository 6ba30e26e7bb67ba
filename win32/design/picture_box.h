// A picture box of the Windows front end, as qt/design/picture_box is Qt's:
// its image at the top left of its client area, inside the sunken border,
// scaled with the window's DPI; the labels inside it are its child windows.
#pragma once

#include <windows.h>

namespace varnel::win32 {

// What a picture box shows: its bitmap, drawn at the DPI of its window.
struct PictureImage
{
    HBITMAP bitmap = nullptr;
    int width = 0; // the bitmap's own pixels, its size at 96 DPI
    int height = 0;
    UINT dpi = 96;
};

inline constexpr wchar_t kPictureClass[] = L"VarnelPicture";

// Registers the picture box's window class, once.
void registerPictureClass();

// The image's size at its window's DPI.
SIZE scaledImage(const PictureImage &image);

} // namespace varnel::win32
