;;; stena.lsp - стена заданной толщины по двум точкам оси.

(defun stena (/ p1 p2 tk n)
  (setq tk (lib_param_real "Толщина_стены" 380.0))
  (princ (strcat "\nТолщина стены: " (rtos tk 2 0)))
  (if (and (setq p1 (getpoint "\nНачало оси стены: "))
           (setq p2 (getpoint p1 "\nКонец оси стены: ")))
    (progn
      (setq n (+ (angle p1 p2) (/ pi 2)))
      (lib_layer (lib_param "Слой_стен") 7)
      (foreach off (list (/ tk 2) (/ tk -2))
        (command "_.LINE" (polar p1 n off) (polar p2 n off) ""))
      (command "_.LINE" (polar p1 n (/ tk 2)) (polar p1 n (/ tk -2)) "")
      (command "_.LINE" (polar p2 n (/ tk 2)) (polar p2 n (/ tk -2)) "")
      (princ "\nСтена построена.")))
  (princ))

(defun c:stena () (stena))
(princ)
