// Making a texture current on a unit together with the blend function it carries.
#include "resources/texture.h"

void Texture::Bind(GLenum unit) const {
  glActiveTexture(unit);
  glBindTexture(GL_TEXTURE_2D, texture);
  switch (blendMode) {
    case BlendAdditive:
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    case BlendMultiply:
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    case BlendAlpha:
      // Destination alpha accumulates, so a render target keeps the coverage of what was drawn.
      glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE);
      break;
    default:
      break;
  }
}
