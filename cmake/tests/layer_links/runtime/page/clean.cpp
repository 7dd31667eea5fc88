int unused_clean = 0;
