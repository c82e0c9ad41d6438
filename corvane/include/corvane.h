#ifndef CORVANE_H
#define CORVANE_H

#include <uchar.h>

#ifdef __cplusplus
extern "C" {
#endif

enum CorvanePixelFormat {                 /* values as the Windows imaging API numbers them */
    CorvanePixelFormat24bppRGB  = 0x00021808,  /* 3 bytes a pixel: blue, green, red */
    CorvanePixelFormat32bppRGB  = 0x00022009,  /* 4 bytes: blue, green, red, unused */
    CorvanePixelFormat32bppARGB = 0x0026200A,  /* 4 bytes: blue, green, red, alpha (ignored) */
    CorvanePixelFormat8bppGray  = 0x00030808   /* 1 byte: grey (our own value) */
};

enum CorvaneStatus { CorvaneOk = 0, CorvaneGenericError = 1, CorvaneInvalidParameter = 2, CorvaneOutOfMemory = 3 };

typedef struct CorvaneBitmap {
    int width, height;            /* pixels */
    int stride;                   /* bytes from the start of one row to the next (>= width * bytes per pixel) */
    int pixelFormat;              /* one of CorvanePixelFormat */
    const unsigned char *scan0;   /* first byte of the top row */
    int lastStatus;               /* status of the last failing call made on this bitmap; left alone on success */
} CorvaneBitmap;

int ReadImage(CorvaneBitmap *bitmap, int x, int y, int height, int width, int scanLines, int rotations);
const char16_t *GetBarCodeType(int index);
const char16_t *GetBarCodeValue(int index);
int GetBarCodeScore(int index);

#ifdef __cplusplus
}
#endif

#endif /* CORVANE_H */
