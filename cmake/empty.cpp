// Holds the place of a library whose folder has no source yet.
