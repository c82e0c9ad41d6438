#ifndef CORVANE_TRYHARDER_H
#define CORVANE_TRYHARDER_H
/* The try-harder reader (libcorvane_tryharder.so): reads real photographs and scans by trying
 * more, from the plain band scan up to finer front ends. Effort 0 gives exactly what
 * ReadImage(bitmap, x, y, height, width, 20, 3) gives. No process-wide state: any number of
 * threads may read at once, each with its own results. */

#include "corvane.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Each effort tries everything the one below tries; from effort 1 on, the cheapest steps run
 * first and reading stops once every result found is fully read. */
#define CORVANE_EFFORT_MIN 0      /* ReadImage's band scan, its results unfiltered */
#define CORVANE_EFFORT_MAX 3      /* highest effort: adds tilted scan lines and a sharpened copy */
#define CORVANE_EFFORT_DEFAULT 2  /* the fine front end's rows and columns, then effort 1: the band
                                   * scan on contrast-stretched copies; only checked results */

/* Which step of the reader found a result. */
enum CorvaneStep {
    CorvaneStepBands = 0,     /* the plain band scan, as ReadImage reads */
    CorvaneStepPrepared = 1,  /* the band scan on a prepared copy (contrast, sharpness, scale) */
    CorvaneStepScanLines = 2, /* the fine front end: local thresholds, fitted module widths */
    CorvaneStepAngled = 3     /* the fine front end along tilted scan lines */
};

typedef struct CorvaneResult {
    const char16_t *type;   /* symbology name, as GetBarCodeType gives it (e.g. u"EAN 13") */
    const char16_t *text;   /* decoded text, "?" per unread character */
    int score;              /* 60..100; 100 means every character was read */
    int x0, y0, x1, y1;     /* where it was found: ends of the scan line through the symbol (its
                             * first and last bar), in bitmap pixels; band scans place it on the
                             * band's middle row, within a pixel or two */
    int step;               /* one of CorvaneStep */
} CorvaneResult;

typedef struct CorvaneResults {
    int count;
    const CorvaneResult *items;  /* count entries, owned by the list */
} CorvaneResults;

/* Reads the area (x, y, height, width: the order ReadImage takes) at the given effort.
 * Returns CorvaneOk and sets *results to a list (possibly empty) that the caller frees with
 * CorvaneFreeResults; otherwise returns CorvaneInvalidParameter (bad bitmap, area or effort, or
 * null results) or CorvaneOutOfMemory, and sets *results to null when results is not null.
 * The bitmap is only read. */
int CorvaneReadTryHarder(const CorvaneBitmap *bitmap, int x, int y, int height, int width, int effort,
                         CorvaneResults **results);

/* Frees a list returned by CorvaneReadTryHarder; null is allowed. */
void CorvaneFreeResults(CorvaneResults *results);

#ifdef __cplusplus
}
#endif

#endif /* CORVANE_TRYHARDER_H */
