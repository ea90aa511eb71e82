/* The image decoder's code itself: Debian's libstb is a Linux library, so the Windows programs carry it. */
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
