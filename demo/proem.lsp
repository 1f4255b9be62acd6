;;; proem.lsp - общие функции проемов: окна и двери.

;; Запрашивает проем: (центр угол-стены ширина толщина-стены) или nil.
(defun proem_get (/ p1 p2)
  (if (and (setq p1 (getpoint "\nЦентр проема на оси стены: "))
           (setq p2 (getpoint p1 "\nНаправление стены: ")))
    (list p1
          (angle p1 p2)
          (lib_param_real "Ширина_проема" 900.0)
          (lib_param_real "Толщина_стены" 380.0))))

;; Откосы проема поперек стены.
(defun proem_jambs (data / c a w tk n)
  (setq c (car data) a (cadr data) w (caddr data) tk (cadddr data)
        n (+ a (/ pi 2)))
  (foreach s (list (/ w 2) (/ w -2))
    (command "_.LINE" (polar (polar c a s) n (/ tk 2))
                      (polar (polar c a s) n (/ tk -2)) "")))

(princ)
