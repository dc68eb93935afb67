// The engine's protocol lands here.
namespace qz {}
