// GetBitmapSize: the size of the first available image among three indices.
#include "TessaroCore.h"
#include "Resources.h"

int GetBitmapSize(const char* path, int* width, int* height, int index1, int index2, int index3) {
    ReaderOwner reader(path);
    if (!reader.IsOpen()) return 0;
    WindowDCOwner screen(0, true);
    const int indices[3] = {index1, index2, index3};
    ImageOwner image;
    image.Reset(CreateFirstImage(screen.Get(), reader, indices, 3));
    int w, h;
    if (!MeasureBitmap(image.Get(), &w, &h)) return 0;
    *width = w;
    *height = h;
    return 1;
}
