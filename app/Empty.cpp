// Keeps a library valid while it has no code of its own yet.
