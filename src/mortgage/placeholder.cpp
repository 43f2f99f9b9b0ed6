// Mortgage calculator subsystem.
