/* The image decoder's code itself, compiled into the programs so that they need no libstb at run time. */
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
