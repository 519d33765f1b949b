// Placeholder so that a folder without sources still forms a library.
namespace { [[maybe_unused]] int ringpad_empty_library = 0; }
