// Placeholders of the part outline drawing: none left (see part_drawing.cpp).
