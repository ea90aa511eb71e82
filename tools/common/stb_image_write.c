/* The image writer's code itself, which the asset tools, the capture and the test fixtures encode with. */
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
