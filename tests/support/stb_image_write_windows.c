/* The image writer's code itself, which the test fixtures encode their pictures with. */
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
