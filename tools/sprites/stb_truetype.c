/* The font rasterizer's code itself, which the sprite sheets' texts are drawn with. */
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>
