// Placeholder so the library has a source until the first model files land.
namespace model_placeholder {}
