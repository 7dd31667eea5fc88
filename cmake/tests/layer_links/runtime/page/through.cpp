int unused_through = 0;
