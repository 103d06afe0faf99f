/* Looks at the screen of an X server for the window tests:
 *   xprobe sum              a checksum of the whole screen's pixels
 *   xprobe pixel X Y        the colour at (X, Y) as RRGGBB
 *   xprobe cover X Y W H MS covers that rectangle with another window for
 *                           MS milliseconds, then uncovers it
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (d == NULL) {
        fprintf(stderr, "xprobe: cannot open the display\n");
        return 2;
    }
    Window root = DefaultRootWindow(d);
    XWindowAttributes a;
    XGetWindowAttributes(d, root, &a);
    int status = 0;
    if (argc == 2 && strcmp(argv[1], "sum") == 0) {
        XImage* im = XGetImage(d, root, 0, 0, (unsigned)a.width, (unsigned)a.height, AllPlanes,
                               ZPixmap);
        unsigned long long h = 1469598103934665603ULL;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) h = (h ^ (XGetPixel(im, x, y) & 0xffffff)) * 1099511628211ULL;
        printf("%016llx\n", h);
        XDestroyImage(im);
    } else if (argc == 4 && strcmp(argv[1], "pixel") == 0) {
        XImage* im = XGetImage(d, root, atoi(argv[2]), atoi(argv[3]), 1, 1, AllPlanes, ZPixmap);
        printf("%06lx\n", XGetPixel(im, 0, 0) & 0xffffff);
        XDestroyImage(im);
    } else if (argc == 7 && strcmp(argv[1], "cover") == 0) {
        XSetWindowAttributes at;
        at.override_redirect = True;
        at.background_pixel = 0x00ff00;
        Window w = XCreateWindow(d, root, atoi(argv[2]), atoi(argv[3]), (unsigned)atoi(argv[4]),
                                 (unsigned)atoi(argv[5]), 0, CopyFromParent, InputOutput,
                                 CopyFromParent, CWOverrideRedirect | CWBackPixel, &at);
        XMapRaised(d, w);
        XSync(d, False);
        usleep((useconds_t)atoi(argv[6]) * 1000);
        XDestroyWindow(d, w);
        XSync(d, False);
    } else {
        fprintf(stderr, "usage: xprobe sum | pixel X Y | cover X Y W H MS\n");
        status = 2;
    }
    XCloseDisplay(d);
    return status;
}
