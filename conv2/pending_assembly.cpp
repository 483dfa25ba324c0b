// Stages not built yet: they do nothing, so a county runs through them.
#include "conv2/stages.h"

namespace vornak2 {

void AssemblePolygonInfoA() {}
void AssemblePolygonInfoS() {}
void AssemblePolygonInfoB() {}
void AssemblePolygonInfoE() {}
void ResolveLandmarkSides() {}
void ResetPolygonSides() {}
void ReleasePolygonSides() {}

}  // namespace vornak2
