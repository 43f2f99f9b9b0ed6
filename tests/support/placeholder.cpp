// Test helpers.
