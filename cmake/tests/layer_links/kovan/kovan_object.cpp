int unused_kovan_object = 0;
