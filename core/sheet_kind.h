#pragma once

namespace varnok {

/// Which sheet a run serves: the simple beam, the uniform-load sheet, the cantilever.
enum class SheetKind { kei3_b1, kei3_b2, kei3_cg };

} // namespace varnok
