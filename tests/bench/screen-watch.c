/* screen-watch SECONDS [X Y W H]: watches a part of the X screen (all of it by
 * default) and prints, one a line, the wall-clock time in milliseconds of every
 * change it sees, polling every 2 ms; "ready" once it holds the first picture.
 * The GUI benchmark times windows from outside the program with it. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long NowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static uint64_t Fingerprint(Display* display, Window root, int x, int y, unsigned w, unsigned h)
{
    XImage* image = XGetImage(display, root, x, y, w, h, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    uint64_t hash = 1469598103934665603ull;  /* FNV-1a over the rows' bytes */
    for (unsigned row = 0; row < h; ++row) {
        const unsigned char* p = (const unsigned char*)image->data + (size_t)row * image->bytes_per_line;
        for (int i = 0; i < image->bytes_per_line; ++i)
            hash = (hash ^ p[i]) * 1099511628211ull;
    }
    XDestroyImage(image);
    return hash;
}

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 6) {
        fprintf(stderr, "usage: screen-watch SECONDS [X Y W H]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "screen-watch: no X display\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    int x = 0, y = 0;
    unsigned w = (unsigned)DisplayWidth(display, DefaultScreen(display));
    unsigned h = (unsigned)DisplayHeight(display, DefaultScreen(display));
    if (argc == 6) {
        x = atoi(argv[2]);
        y = atoi(argv[3]);
        w = (unsigned)atoi(argv[4]);
        h = (unsigned)atoi(argv[5]);
    }
    const long long end = NowMs() + (long long)(atof(argv[1]) * 1000);
    uint64_t last = Fingerprint(display, root, x, y, w, h);
    printf("ready\n");
    fflush(stdout);
    const struct timespec pause = {0, 2000000};
    while (NowMs() < end) {
        nanosleep(&pause, NULL);
        const uint64_t now = Fingerprint(display, root, x, y, w, h);
        if (now != last) {
            printf("%lld\n", NowMs());
            fflush(stdout);
            last = now;
        }
    }
    XCloseDisplay(display);
    return 0;
}
