// The program of a layer's link check (cmake/layer_check.cmake): it runs nothing; its link
// pulls in every object of one layer and must find every symbol they use below that layer.
int main() {
    return 0;
}
