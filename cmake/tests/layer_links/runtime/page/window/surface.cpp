int unused_surface = 0;
