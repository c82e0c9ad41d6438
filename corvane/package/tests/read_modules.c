/* Draws the modules of a symbol (zint --dump: each hex digit four modules, the first in the top
 * bit) as an 8-bit grey bitmap and reads it through the installed library: one line per barcode,
 * "ReadImage<TAB>type<TAB>text<TAB>score", and with CORVANE_WITH_TRYHARDER the same from
 * CorvaneReadTryHarder at its default effort. Exit 0 when something was read. */
#include <corvane.h>
#ifdef CORVANE_WITH_TRYHARDER
#include <corvane_tryharder.h>
#endif

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kPixelsPerModule = 3, kQuietModules = 12, kHeight = 60, kMaxModules = 4096 };

/* The texts are ASCII; anything else shows as '?' rather than being decoded here. */
static void PrintUtf16(const char16_t *s)
{
    for (; *s; ++s)
        putchar(*s < 0x80 ? (int)*s : '?');
}

static void PrintResult(const char *reader, const char16_t *type, const char16_t *text, int score)
{
    printf("%s\t", reader);
    PrintUtf16(type);
    putchar('\t');
    PrintUtf16(text);
    printf("\t%d\n", score);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s DUMP\n", argv[0]);
        return 2;
    }
    FILE *in = fopen(argv[1], "r");
    if (!in) {
        perror(argv[1]);
        return 2;
    }
    static unsigned char modules[kMaxModules];
    int count = 0;
    int c;
    while ((c = fgetc(in)) != EOF && count + 4 <= kMaxModules) {
        if (!isxdigit(c))
            continue;
        const char digit[2] = {(char)c, 0};
        const long nibble = strtol(digit, NULL, 16);
        for (int bit = 3; bit >= 0; --bit)
            modules[count++] = (unsigned char)((nibble >> bit) & 1);
    }
    fclose(in);
    if (count == 0) {
        fprintf(stderr, "%s: no modules\n", argv[1]);
        return 2;
    }

    const int width = (count + 2 * kQuietModules) * kPixelsPerModule;
    unsigned char *pixels = malloc((size_t)width * kHeight);
    if (!pixels)
        return 2;
    memset(pixels, 0xff, (size_t)width * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int m = 0; m < count; ++m)
            if (modules[m])
                memset(pixels + (size_t)y * width + (size_t)(kQuietModules + m) * kPixelsPerModule, 0,
                       kPixelsPerModule);

    CorvaneBitmap bitmap = {width, kHeight, width, CorvanePixelFormat8bppGray, pixels, CorvaneOk};
    const int found = ReadImage(&bitmap, 0, 0, kHeight, width, 20, 3);
    if (bitmap.lastStatus != CorvaneOk)
        fprintf(stderr, "ReadImage: status %d\n", bitmap.lastStatus);
    for (int i = 0; i < found; ++i)
        PrintResult("ReadImage", GetBarCodeType(i), GetBarCodeValue(i), GetBarCodeScore(i));
    int total = found;

#ifdef CORVANE_WITH_TRYHARDER
    CorvaneResults *results = NULL;
    const int status = CorvaneReadTryHarder(&bitmap, 0, 0, kHeight, width, CORVANE_EFFORT_DEFAULT, &results);
    if (status != CorvaneOk) {
        fprintf(stderr, "CorvaneReadTryHarder: status %d\n", status);
    } else {
        for (int i = 0; i < results->count; ++i)
            PrintResult("TryHarder", results->items[i].type, results->items[i].text, results->items[i].score);
        total += results->count;
        CorvaneFreeResults(results);
    }
#endif

    free(pixels);
    return total > 0 ? 0 : 1;
}
